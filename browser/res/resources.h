// The console browser's resources: dialog templates 100 (about box), 102
// (main dialog) and 138 (splash window), the control ids, the names of the
// pictures and the string table.
#pragma once

#include <string_view>

#include "platform/ui/dialog_template.h"

namespace qv::browser::res {

// Main dialog, template 102.
inline constexpr int kBrowser = 1000;  // web view
inline constexpr int kRefresh = 1001;  // "Refresh", the default button
inline constexpr int kStatusLine = 1002;
inline constexpr int kAutoRefresh = 1003;  // "Refresh Automatically"
inline constexpr int kBanner = 1004;
inline constexpr int kPageLabel = 1005;
inline constexpr int kStatusPage = 1006;   // "Status"
inline constexpr int kAlertsPage = 1007;   // "Alerts"
inline constexpr int kSummaryPage = 1008;  // "Summary"
inline constexpr int kConnectionText = 1012;
inline constexpr int kNotConnectedLamp = 1013;
inline constexpr int kConnectedLamp = 1014;
inline constexpr int kClose = ui::kIdCancel;
inline constexpr int kOtherReports = 3;  // "Other Web Reports ..."

// About box, template 100; its pictures and texts have ids of our own.
inline constexpr int kAboutIcon = 1020;
inline constexpr int kAboutName = 1021;
inline constexpr int kAboutSuite = 1022;
inline constexpr int kAboutVersion = 1023;
inline constexpr int kAboutNotice = 1024;

// Splash window, template 138.
inline constexpr int kSplashPicture = 1030;

// Pictures, named by their resource numbers.
inline constexpr std::string_view kProgramIcon = "128";
inline constexpr std::string_view kWindowIcon = "133";
inline constexpr std::string_view kBannerBitmap = "136";
inline constexpr std::string_view kSplashBitmap = "139";
inline constexpr std::string_view kRedLampIcon = "145";
inline constexpr std::string_view kGreenLampIcon = "146";

// String table.
inline constexpr int kIdsAboutBox = 101;
// The string with this id; empty when there is none.
std::string_view loadString(int id);

const ui::DialogTemplate& aboutBox();       // 100
const ui::DialogTemplate& browserDialog();  // 102
const ui::DialogTemplate& splashWindow();   // 138

}  // namespace qv::browser::res
