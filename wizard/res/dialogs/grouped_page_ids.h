// Control ids of the grouped parameter pages (e-mail, logging, SMS gateway,
// server, domain, ODBC). Fields keep the ids the resources give; the labels
// beside them, which have none, count up from 1910 in template order.
#pragma once

#include "wizard/res/dialogs/control_ids.h"

namespace qv::wizard::ids {

// PARAM-SMTPCONNECTION and PARAM-SMS-SMTP1 (which names its server 1024).
namespace smtp {
inline constexpr int kServer = 1014;
inline constexpr int kSmsServer = 1024;
inline constexpr int kPort = 1015;
inline constexpr int kRecipient = 1017;
inline constexpr int kSender = 1016;
inline constexpr int kServerLabel = 1910;
inline constexpr int kPortLabel = 1911;
inline constexpr int kRecipientLabel = 1912;
inline constexpr int kSenderLabel = 1913;
inline constexpr int kSenderExample = 1914;
}  // namespace smtp

// PARAM-SMTPUSER, and the user and password of the SMS and ODBC pages.
namespace logon {
inline constexpr int kUser = 1007;
inline constexpr int kPassword = 1018;
inline constexpr int kUserLabel = 1910;
inline constexpr int kPasswordLabel = 1911;
inline constexpr int kNote = 1912;
}  // namespace logon

// PARAM-SYSLOG.
namespace sys_log {
inline constexpr int kServer = 1006;
inline constexpr int kPort = 1015;
inline constexpr int kSeverity = 1047;
inline constexpr int kFacility = 1011;
inline constexpr int kServerLabel = 1910;
inline constexpr int kPortLabel = 1911;
inline constexpr int kSeverityLabel = 1912;
inline constexpr int kFacilityLabel = 1913;
}  // namespace sys_log

// PARAM-EVENTLOG.
namespace event_log {
inline constexpr int kPcLabel = 1044;
inline constexpr int kPc = 1014;
inline constexpr int kTypeLabel = 1045;
inline constexpr int kType = 1032;
}  // namespace event_log

// PARAM-SMS-API.
namespace sms_api {
inline constexpr int kApiId = 1027;
}  // namespace sms_api

// PARAM-SMS-HTTP1; PARAM-SMS-SMTP2 shares the phone, user and password ids.
namespace sms_http1 {
inline constexpr int kServer = 1020;
inline constexpr int kPort = 1015;
inline constexpr int kMethod = 1021;
inline constexpr int kPhone = 1029;
inline constexpr int kServerLabel = 1910;
inline constexpr int kPortLabel = 1911;
inline constexpr int kMethodLabel = 1912;
inline constexpr int kPhoneLabel = 1913;
inline constexpr int kUserLabel = 1914;
inline constexpr int kPasswordLabel = 1915;
}  // namespace sms_http1

// PARAM-SMS-HTTP2.
namespace sms_http2 {
inline constexpr int kUrl = 1014;
inline constexpr int kResultCode = 1016;
inline constexpr int kSuccessText = 1022;
inline constexpr int kFailureText = 1023;
inline constexpr int kUrlLabel = 1910;
inline constexpr int kResultCodeLabel = 1911;
inline constexpr int kSuccessLabel = 1912;
inline constexpr int kFailureLabel = 1913;
}  // namespace sms_http2

// PARAM-SMS-SMTP2.
namespace sms_smtp2 {
inline constexpr int kPhoneLabel = 1910;
inline constexpr int kUserLabel = 1911;
inline constexpr int kPasswordLabel = 1912;
}  // namespace sms_smtp2

// PARAM-SERVER.
namespace server {
inline constexpr int kServer = 1014;
}  // namespace server

// PARAM-DOMAIN.
namespace domain {
inline constexpr int kDomain = 1064;
}  // namespace domain

// PARAM-ODBC.
namespace odbc {
inline constexpr int kDataSource = 1054;
inline constexpr int kServer = 1014;
inline constexpr int kDatabase = 1053;
inline constexpr int kAdministrator = 4;  // "ODBC Data Sources ..."
inline constexpr int kDataSourceLabel = 1910;
inline constexpr int kServerLabel = 1911;
inline constexpr int kDatabaseLabel = 1912;
inline constexpr int kUserLabel = 1913;
inline constexpr int kPasswordLabel = 1914;
}  // namespace odbc

}  // namespace qv::wizard::ids
