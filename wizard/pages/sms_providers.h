// The SMS gateway providers the wizard knows by a keyword in the template's
// path, with the gateway details their templates start from.
#pragma once

#include <string>
#include <string_view>

namespace qv::wizard {

struct SmsProvider {
  std::string_view keyword;     // looked for in the template path, case ignored
  std::string_view webHost;     // the web gateway: default server, and host of the URL
  std::string_view webPort;     // as the port field shows it
  bool post;                    // POST rather than GET
  std::string_view urlPath;     // after "http://" and the host
  std::string_view smsByEmail;  // the SMS-by-e-mail address; empty: none
};

// The provider of the HTTP pages: bigfoot, intellisoft, clickatell, the first
// found; null when the path names none.
const SmsProvider* httpProviderFor(std::string_view templatePath);
// The provider of PARAM-SMS-SMTP1: intellisoft, then clickatell (bigfoot has
// no e-mail gateway); null when the path names neither.
const SmsProvider* emailProviderFor(std::string_view templatePath);

// The defaults without a provider.
inline constexpr std::string_view kGenericWebPort = "80";
inline constexpr std::string_view kUrlScheme = "http://";

// The URL field's default: "http://", then the provider's host and path.
std::string defaultGatewayUrl(const SmsProvider* provider);

}  // namespace qv::wizard
