#include "browser/console_pages.h"

#include "browser/console_connection.h"
#include "browser/res/resources.h"
#include "platform/base/text.h"

namespace qv::browser {
namespace {

constexpr std::string_view kStatusTitle = "Current Monitoring Status";
constexpr std::string_view kAlertsTitle = "Recently Triggered Alerts";
constexpr std::string_view kSummaryTitle = "Quorvel Monitor System Summary";

constexpr ConsolePage kPageButtons[] = {
    {res::kStatusPage, "RecConsoleStatus.qvp", kStatusTitle},
    {res::kAlertsPage, "RecConsoleErrors.qvp", kAlertsTitle},
    {res::kSummaryPage, "ConsoleControl.qvp", kSummaryTitle},
};

constexpr ConsolePage kStartPages[] = {
    {res::kStatusPage, "RecConsoleStatus.qvp", kStatusTitle},
    {res::kAlertsPage, "RecConsoleErrors.qvp", kAlertsTitle},
    {res::kSummaryPage, "RecConsoleSummary.qvp", kSummaryTitle},
};

}  // namespace

std::span<const ConsolePage> pageButtons() {
  return kPageButtons;
}

const ConsolePage* pageOfButton(int button) {
  for (const ConsolePage& p : kPageButtons) {
    if (p.button == button) return &p;
  }
  return nullptr;
}

const ConsolePage* recogniseStartPage(std::string_view page) {
  for (const ConsolePage& p : kStartPages) {
    if (p.page == page) return &p;
  }
  return nullptr;
}

std::string pageAddress(std::string_view baseUrl, std::string_view page) {
  return cutToCapacity(formatText("%s/%s", std::string(baseUrl).c_str(), std::string(page).c_str()),
                       kTextCapacity);
}

}  // namespace qv::browser
