#include "wizard/pages/sms_providers.h"

#include <array>

#include "wizard/engine/wizard_state.h"

namespace qv::wizard {
namespace {

// Host names and addresses are settings of ours, in the reserved example
// domain; the ports, methods and URL paths are each gateway's own.
constexpr SmsProvider kBigfoot{"bigfoot", "sms.bigfoot.example",  "8080",
                               true,      "/services/smsgateway", ""};
constexpr SmsProvider kIntellisoft{
    "intellisoft", "sms.intellisoft.example",  "80",
    false,         "/smsgateway/sendmsg.aspx", "gateway@sms.intellisoft.example"};
constexpr SmsProvider kClickatell{"clickatell",    "sms.clickatell.example",        "80", false,
                                  "/http/sendmsg", "gateway@sms.clickatell.example"};

constexpr std::array kHttpOrder{&kBigfoot, &kIntellisoft, &kClickatell};
constexpr std::array kEmailOrder{&kIntellisoft, &kClickatell};

template <std::size_t N>
const SmsProvider* firstNamedIn(std::string_view path,
                                const std::array<const SmsProvider*, N>& order) {
  for (const SmsProvider* provider : order) {
    if (textContains(path, provider->keyword)) return provider;
  }
  return nullptr;
}

}  // namespace

const SmsProvider* httpProviderFor(std::string_view templatePath) {
  return firstNamedIn(templatePath, kHttpOrder);
}

const SmsProvider* emailProviderFor(std::string_view templatePath) {
  return firstNamedIn(templatePath, kEmailOrder);
}

std::string defaultGatewayUrl(const SmsProvider* provider) {
  std::string url(kUrlScheme);
  if (provider) {
    url += provider->webHost;
    url += provider->urlPath;
  }
  return url;
}

}  // namespace qv::wizard
