// Keeping the page current and showing whether the server answers: the
// refresh, the automatic refresh with its timer, the reconnection after a
// failed navigation and the connection lamps.
#include "browser/browser_dlg.h"
#include "browser/res/resources.h"

namespace qv::browser {
namespace {

constexpr int kStatusWaitMs = 1000;

}  // namespace

void CQuorvelConsoleBrowserDlg::RefreshConsole() {
  enablePageButtons(false);
  ShowConnected();
  if (reconnectPending_) {
    reconnectPending_ = false;
    showStatus("Reconnecting to Quorvel ...");
    NavigateToPage();
  } else {
    showStatus("Refreshing information from Quorvel ...");
    // A document reached by a link stays as long as its address names the
    // chosen page; an empty page name is found in every address.
    if (browser_.LocationURL().find(connection_.page) == std::string::npos) {
      NavigateToPage();
    } else {
      browser_.Refresh();
    }
  }
  pause(kStatusWaitMs);
  showStatus("");
  enablePageButtons(true);
}

void CQuorvelConsoleBrowserDlg::OnTimer(int timerId) {
  // Every timer message refreshes, whatever its id.
  RefreshConsole();
  MappedDialog::OnTimer(timerId);
}

void CQuorvelConsoleBrowserDlg::OnAutoRefresh() {
  // The toggle has changed its own state before the click arrives here.
  if (isItemChecked(res::kAutoRefresh)) {
    SetTimer(kRefreshTimer, kRefreshPeriodMs);
    showStatus("Auto-refesh enabled ...");
    pause(kStatusWaitMs);
    showStatus("");
    RefreshConsole();
  } else {
    KillTimer(kRefreshTimer);
    showStatus("Auto-refesh disabled ...");
    pause(kStatusWaitMs);
    showStatus("");
  }
}

void CQuorvelConsoleBrowserDlg::ShowConnected() {
  notConnectedLamp_.show(false);
  connectedLamp_.show(true);
  connectionText_.setText("Connected to " + connection_.server);
  connectionText_.repaint();
  notConnectedLamp_.repaint();
  connectedLamp_.repaint();
}

void CQuorvelConsoleBrowserDlg::OnNavigateError() {
  connectedLamp_.show(false);
  notConnectedLamp_.show(true);
  connectionText_.setText("Not connected ...");
  connectionText_.repaint();
  notConnectedLamp_.repaint();
  connectedLamp_.repaint();
  pageLabel_.setText("");
  pageLabel_.repaint();
  reconnectPending_ = true;
  // Released directly, not clicked: a running timer keeps running, and its
  // next message reconnects.
  checkItem(res::kAutoRefresh, false);
}

void CQuorvelConsoleBrowserDlg::enablePageButtons(bool enabled) {
  for (const ConsolePage& p : pageButtons()) enableItem(p.button, enabled);
}

}  // namespace qv::browser
