// CQuorvelConsoleBrowserDlg: the main window. It shows the monitoring
// server's web console pages in its browser control, switches between them
// with the page buttons, refreshes them by hand or every ten seconds and
// shows whether the server answers.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "browser/console_connection.h"
#include "browser/console_pages.h"
#include "browser/res/resources.h"
#include "browser/webbrowser.h"
#include "platform/afx/app_base.h"
#include "platform/afx/message_map.h"

namespace qv::browser {

// The system command of the about box's menu item.
inline constexpr int kAboutCommand = 0x0010;
// The automatic refresh timer.
inline constexpr int kRefreshTimer = 1;
inline constexpr int kRefreshPeriodMs = 10000;

class CQuorvelConsoleBrowserDlg : public afx::MappedDialog<CQuorvelConsoleBrowserDlg> {
 public:
  explicit CQuorvelConsoleBrowserDlg(afx::AppBase& app);

  static std::span<const afx::MessageEntry<CQuorvelConsoleBrowserDlg>> messageMap();
  static std::span<const afx::EventSinkEntry<CQuorvelConsoleBrowserDlg>> eventSinkMap();

 protected:
  bool OnInitDialog() override;
  void DoDataExchange() override;

 private:
  // Message handlers.
  void OnSysCommand(int command);
  void OnOtherReports();
  void OnTimer(int timerId);
  void OnAutoRefresh();
  void OnStatusPage() { showPage(res::kStatusPage); }
  void OnAlertsPage() { showPage(res::kAlertsPage); }
  void OnSummaryPage() { showPage(res::kSummaryPage); }
  void OnNavigateError();

  // Requests `page` under the base address with the program's header.
  void NavigateToPage();
  // Reloads the page shown, or requests the chosen page anew.
  void RefreshConsole();
  void ShowConnected();

  void showPage(int button);
  void reportMissingDetails(std::string_view message);
  void enablePageButtons(bool enabled);
  // A status-line message, painted at once since the handler blocks next.
  void showStatus(std::string_view text);
  void pause(int ms);

  afx::AppBase& app_;
  ConsoleConnection connection_;
  std::string icon_;
  CWebbrowser browser_;
  afx::WindowBase statusLine_;
  bool reconnectPending_ = false;
  afx::WindowBase pageLabel_;
  afx::WindowBase connectionText_;
  afx::WindowBase connectedLamp_;
  afx::WindowBase notConnectedLamp_;
};

}  // namespace qv::browser
