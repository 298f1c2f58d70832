#include "browser/res/resources.h"

namespace qv::browser::res {
namespace {

using ui::ControlKind;
using ui::ControlTemplate;
using ui::DialogTemplate;
namespace cs = ui::cs;
namespace ds = ui::ds;

constexpr ControlTemplate kAboutControls[] = {
    {kAboutIcon, ControlKind::Icon, kWindowIcon, 14, 14, 20, 20},
    {kAboutName, ControlKind::Static, "Quorvel Console Browser", 42, 14, 158, 8},
    {kAboutSuite, ControlKind::Static, "Part of the Quorvel Console Suite", 41, 22, 134, 8},
    {kAboutVersion, ControlKind::Static, "Version 1.0", 42, 30, 158, 8},
    {kAboutNotice, ControlKind::Static, "Copyright (C) Quorvel Monitoring", 42, 44, 135, 8},
    {ui::kIdOk, ControlKind::Button, "OK", 151, 64, 50, 14,
     cs::kGroup | cs::kDefault | cs::kTabStop},
};

constexpr DialogTemplate kAboutBox{"100",
                                   "About the Quorvel Console Browser",
                                   208,
                                   85,
                                   ds::kCaption | ds::kModalFrame,
                                   "MS Shell Dlg",
                                   8,
                                   kAboutControls};

constexpr ControlTemplate kBrowserControls[] = {
    {kConnectedLamp, ControlKind::Icon, kGreenLampIcon, 7, 323, 20, 20, cs::kHidden},
    {kNotConnectedLamp, ControlKind::Icon, kRedLampIcon, 7, 323, 20, 20, cs::kHidden},
    {kConnectionText, ControlKind::Static, "", 30, 329, 284, 8},
    {kBrowser, ControlKind::WebView, "", 7, 65, 549, 258, cs::kTabStop},
    {kRefresh, ControlKind::Button, "Refresh", 507, 348, 50, 14, cs::kDefault | cs::kTabStop},
    {kAutoRefresh, ControlKind::Check, "Refresh Automatically", 426, 348, 80, 14,
     cs::kPushLike | cs::kTabStop},
    {kClose, ControlKind::Button, "Close", 375, 348, 50, 14, cs::kTabStop},
    {kOtherReports, ControlKind::Button, "Other Web Reports ...", 160, 348, 81, 14, cs::kTabStop},
    {kBanner, ControlKind::Bitmap, kBannerBitmap, 0, 0, 0, 0, cs::kNaturalSize},
    {kStatusLine, ControlKind::Static, "", 7, 55, 265, 8},
    // The page buttons' radio group begins at the page label.
    {kPageLabel, ControlKind::Static, "", 320, 55, 236, 8, cs::kGroup | cs::kRight},
    {kStatusPage, ControlKind::Radio, "Status", 7, 348, 50, 14, cs::kPushLike},
    {kAlertsPage, ControlKind::Radio, "Alerts", 58, 348, 50, 14, cs::kPushLike},
    {kSummaryPage, ControlKind::Radio, "Summary", 109, 348, 50, 14, cs::kPushLike},
};

constexpr DialogTemplate kBrowserDialog{
    "102",
    "Quorvel Console Browser",
    564,
    369,
    ds::kCaption | ds::kSysMenu | ds::kMinimizeBox | ds::kModalFrame | ds::kAppWindow,
    "MS Shell Dlg",
    8,
    kBrowserControls};

constexpr ControlTemplate kSplashControls[] = {
    {kSplashPicture, ControlKind::Bitmap, kSplashBitmap, 0, 0, 275, 62},
};

constexpr DialogTemplate kSplashWindow{
    "138",          "", 275, 62, ds::kModalFrame | ds::kCentered | ds::kHidden, "MS Shell Dlg", 8,
    kSplashControls};

}  // namespace

std::string_view loadString(int id) {
  return id == kIdsAboutBox ? "&About Quorvel Console Browser..." : "";
}

const ui::DialogTemplate& aboutBox() {
  return kAboutBox;
}
const ui::DialogTemplate& browserDialog() {
  return kBrowserDialog;
}
const ui::DialogTemplate& splashWindow() {
  return kSplashWindow;
}

}  // namespace qv::browser::res
