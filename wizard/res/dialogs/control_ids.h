// Control ids of the wizard's own dialogs and of the parameter page frame.
// Ids the system's resources give are kept; the rest are ours: pictures and
// plain texts count up from 1900 in template order, as on COMPILE_ERROR.
#pragma once

namespace qv::wizard::ids {

// Every 354 x 230 page: the banner, the page icon, the introduction, the
// bottom row. Cancel is the dialog's cancel command (Escape sends it).
inline constexpr int kBanner = 1900;
inline constexpr int kPageIcon = 1901;
inline constexpr int kIntro = 1902;
inline constexpr int kCancel = 2;
inline constexpr int kBack = 1034;
inline constexpr int kNext = 1010;
inline constexpr int kBrowse = 3;  // "..." beside the field it fills

// Parameter pages.
inline constexpr int kQuestion = 1044;
inline constexpr int kHelp = 1043;
inline constexpr int kTextAnswer = 1006;
inline constexpr int kListChoice = 1013;
inline constexpr int kOption1 = 1001;
inline constexpr int kOption2 = 1002;

// FILE_EXISTS: the buttons' ids are the values the dialog ends with.
namespace file_exists {
inline constexpr int kIcon = 1901;
inline constexpr int kFound = 1902;
inline constexpr int kChoose = 1903;
inline constexpr int kCancelWizard = 1;
inline constexpr int kEditExisting = 3;
inline constexpr int kOverwrite = 5;
}  // namespace file_exists

// START-WIZARD.
namespace start {
inline constexpr int kWelcome = 1902;
inline constexpr int kAbout = 1903;
inline constexpr int kAboutContinued = 1904;
inline constexpr int kClickNext = 1905;
inline constexpr int kEitherTemplate = 1906;
inline constexpr int kOrScript = 1907;
inline constexpr int kAlternatively = 1908;
inline constexpr int kLibrary = 1050;  // "Access the Quorvel Scripting Library ..."
}  // namespace start

// HEADER-INFO.
inline constexpr int kHeaderText = 1054;

// SAVEAS.
namespace save_as {
inline constexpr int kFieldLabel = 1903;
inline constexpr int kPath = 1035;
}  // namespace save_as

// READY.
inline constexpr int kReadyContinue = 1903;

// WORKING (no banner: its icon and text come first).
namespace working {
inline constexpr int kIcon = 1901;
inline constexpr int kText = 1902;
inline constexpr int kProgressText = 1046;
inline constexpr int kProgressBar = 1045;
}  // namespace working

// COMPLETE.
namespace complete {
inline constexpr int kScript = 1006;
inline constexpr int kShowInfo = 1041;
inline constexpr int kEdit = 1040;
inline constexpr int kFinish = 1;
}  // namespace complete

// PARAM-INFO.
namespace param_info {
inline constexpr int kIntroContinued = 1903;
inline constexpr int kParamsIcon = 1904;
inline constexpr int kParamsLabel = 1905;
inline constexpr int kParams = 1065;
inline constexpr int kResultsIcon = 1906;
inline constexpr int kResultsLabel = 1907;
inline constexpr int kResults = 1066;
inline constexpr int kClose = 1;
}  // namespace param_info

}  // namespace qv::wizard::ids
