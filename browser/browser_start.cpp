// The main dialog's initialisation: splash window, system menu, icon, the
// connection details from the command line, and the start page.
#include "browser/browser_dlg.h"
#include "browser/res/resources.h"
#include "browser/splash.h"
#include "platform/base/text.h"

namespace qv::browser {
namespace {

constexpr std::string_view kNoDetails =
    "No Quorvel monitoring server connection details specified. Please access this utility "
    "from the Quorvel Console application ...";
constexpr std::string_view kMissingDetails =
    "No (or missing) Quorvel monitoring server connection details specified. Please access "
    "this utility from the Quorvel Console application ...";
constexpr std::string_view kDetailsMissingLabel = "[Connection Details Missing]";
constexpr int kSplashMs = 500;

}  // namespace

bool CQuorvelConsoleBrowserDlg::OnInitDialog() {
  // No message loop runs while the dialog initialises, so the splash window
  // is painted once, explicitly.
  CSplash splash(ui());
  bool splashShown = false;
  if (splash.Create(app_.mainWindow())) {
    splash.show(true);
    splash.repaint();
    splashShown = true;
  }
  const auto removeSplash = [&] {
    if (!splashShown) return;
    splash.DestroyWindow();
    splashShown = false;
  };

  MappedDialog::OnInitDialog();

  if (const std::string_view about = res::loadString(res::kIdsAboutBox); !about.empty()) {
    appendSystemMenuSeparator();
    appendSystemMenuItem(about, kAboutCommand);
  }
  SetIcon(icon_, true);
  SetIcon(icon_, false);

  const std::string& tail = app_.commandLine();
  if (tail.empty()) {
    removeSplash();
    reportMissingDetails(kNoDetails);
  } else {
    readCommandLine(connection_, tail);
  }

  if (connection_.port == 0 || connection_.page.empty()) {
    removeSplash();
    reportMissingDetails(kMissingDetails);
  } else {
    connection_.baseUrl = consoleAddress(connection_.server, connection_.port);
    connection_.reportsUrl = consoleAddress(connection_.server, connection_.port);
    setText(cutToCapacity(formatText("Quorvel Console Browser [%s]", connection_.server.c_str()),
                          kTextCapacity));
  }

  // Even with the details missing a page is requested, under an empty base
  // address.
  if (!connection_.page.empty()) {
    ShowConnected();
    NavigateToPage();
  }

  if (const ConsolePage* start = recogniseStartPage(connection_.page)) {
    checkItem(start->button, true);
    pageLabel_.setText(start->title);
    pageLabel_.repaint();
  }

  pause(kSplashMs);
  removeSplash();
  return true;
}

void CQuorvelConsoleBrowserDlg::reportMissingDetails(std::string_view message) {
  ui().messageBox(message, app_.appName(), ui::MessageIcon::Warning, ui::MessageButtons::Ok);
  pageLabel_.setText(kDetailsMissingLabel);
  pageLabel_.repaint();
}

}  // namespace qv::browser
