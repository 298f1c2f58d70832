// The refusals and questions of the grouped pages (e-mail, logging, SMS
// gateway, server, domain, ODBC), word for word as the users know them.
#pragma once

#include <string_view>

namespace qv::wizard::msg {

// E-mail: PARAM-SMTPCONNECTION and PARAM-SMS-SMTP1.
inline constexpr std::string_view kSmtpServerMissing =
    "Please enter the name or IP-address of your SMTP Server ...";
inline constexpr std::string_view kSmtpPortMissing =
    "Please enter the port number for your SMTP Server ...";
inline constexpr std::string_view kRecipientMissing =
    "Please enter the e-mail address that is to receive the e-mail notification ...";
inline constexpr std::string_view kRecipientPlaceholder =
    "Please enter the recipient's e-mail address ...";
inline constexpr std::string_view kRecipientFormatQuestion =
    "The receipient's e-mail address does not appear to be in the correct format - "
    "<Name>@<Domain> ...\n\nAre you sure this is the correct address ?";
inline constexpr std::string_view kSenderMissing =
    "Please enter the e-mail address that will send the message - e.g. Quorvel@<YourDomain> ...";
inline constexpr std::string_view kSenderPlaceholder =
    "Please enter the sender's e-mail address ...";
inline constexpr std::string_view kSenderFormatQuestion =
    "The sender's e-mail address does not appear to be in the correct format - "
    "<Name>@<Domain> ...\n\nAre you sure this is the correct address ?";
// The word of the suggested addresses that the user must replace.
inline constexpr std::string_view kPlaceholderWord = "YourDomain";

// PARAM-SMTPUSER.
inline constexpr std::string_view kSmtpUserMissing =
    "Please enter the user that can logon to your SMTP server ...";
inline constexpr std::string_view kSmtpPasswordMissing =
    "Please enter the password for the user who can logon to your SMTP server ...";

// PARAM-SYSLOG.
inline constexpr std::string_view kSyslogServerMissing =
    "Please enter the name or IP-address of your SysLog Server ...";
inline constexpr std::string_view kSyslogPortMissing =
    "Please check/enter the port number for your SysLog Server. It must be a numeric value ...";
inline constexpr std::string_view kSyslogSeverityMissing =
    "Please check/enter the severity of the logged information. It must be a numeric value ...";
inline constexpr std::string_view kSyslogFacilityMissing =
    "Please check/enter the facility code for the logged information. It must be a numeric "
    "value ...";

// SMS gateways.
inline constexpr std::string_view kSmsApiIdMissing =
    "Please enter the API ID, that your gateway provider has allocated to you. If you do not "
    "have an ID, please contact your gateway provider (e.g. ClicATell) to register ...";
inline constexpr std::string_view kHttpServerMissing =
    "Please enter the name or IP-address of your web (HTTP) Server ...";
inline constexpr std::string_view kHttpPortMissing =
    "Please enter the port number for your web (HTTP) Server ...";
inline constexpr std::string_view kPhoneMissing =
    "Please enter the number of the phone that is to receive the message ...";
inline constexpr std::string_view kGatewayUserMissing =
    "Please enter your gateway User ID. if you do not have an ID, please contact your gateway "
    "provider  ...";
inline constexpr std::string_view kGatewayPasswordMissing =
    "Please enter the password for your gateway User ID ...";
inline constexpr std::string_view kUrlMissing =
    "Please enter the URL and any parameters that should be used to send the message to your "
    "provider ...";
inline constexpr std::string_view kResultCodeMissing =
    "Please enter the HTTP result code that indicates success when the web page is submitted ...";

// PARAM-SERVER.
inline constexpr std::string_view kServerMissing =
    "Please enter the name or IP-address of the server the script should use ...";

// PARAM-DOMAIN.
inline constexpr std::string_view kDomainMissing =
    "Please enter the name of your domain the script should use, in the format "
    "YourDomainName.com or YourDomainName.local ...";
inline constexpr std::string_view kDomainFormatQuestion =
    "The domain name entered should normally be in the format 'YourDomainName.com' or "
    "'YourDomainName.local' etc. Are you sure you wish to use the domain name entered ...?\n\n"
    "If you are unsure, please contact your System or Network Administrator.";
// Ours: a domain whose "DC=" form would not fit its field is refused rather
// than written into the script cut short.
inline constexpr std::string_view kDomainTooLong =
    "The domain name entered has too many parts to be written in the format DC=Part, DC=Part "
    "... Please enter a shorter domain name ...";

// PARAM-ODBC.
inline constexpr std::string_view kOdbcUnavailable =
    "Unable to access ODBC data sources.\n\nClick OK to continue ...";
inline constexpr std::string_view kOdbcListFailed =
    "An error occurred accessing ODBC data sources, or no ODBC data sources are currently "
    "defined.\n\nClick OK to continue ...";
inline constexpr std::string_view kOdbcAdministratorFailed =
    "Unable to launch the ODBC Data Source Administrator. You may not have permission to run "
    "it.\n\nTo view ODBC data sources, please access Windows Control Panel ...";
inline constexpr std::string_view kOdbcDsnMissing =
    "Please enter the name of the ODBC data source (DSN) you wish to use ...";
// The ODBC Data Source Administrator, started by name through the usual search.
inline constexpr std::string_view kOdbcAdministratorProgram = "ODBCAD32.EXE";

}  // namespace qv::wizard::msg
