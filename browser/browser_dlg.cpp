#include "browser/browser_dlg.h"

#include "browser/about_dlg.h"
#include "browser/res/resources.h"

namespace qv::browser {
namespace {

constexpr int kSysCommandMask = 0xFFF0;
constexpr int kStatusWaitMs = 1000;

}  // namespace

CQuorvelConsoleBrowserDlg::CQuorvelConsoleBrowserDlg(afx::AppBase& app)
    : MappedDialog(res::browserDialog(), app.ui()), app_(app), icon_(res::kWindowIcon) {}

std::span<const afx::MessageEntry<CQuorvelConsoleBrowserDlg>>
CQuorvelConsoleBrowserDlg::messageMap() {
  using Self = CQuorvelConsoleBrowserDlg;
  static constexpr afx::MessageEntry<Self> kMap[] = {
      afx::bindSysCommand(&Self::OnSysCommand),
      afx::bindClick(res::kRefresh, &Self::RefreshConsole),
      afx::bindClick(res::kOtherReports, &Self::OnOtherReports),
      afx::bindTimer(&Self::OnTimer),
      afx::bindClick(res::kAutoRefresh, &Self::OnAutoRefresh),
      afx::bindClick(res::kStatusPage, &Self::OnStatusPage),
      afx::bindClick(res::kAlertsPage, &Self::OnAlertsPage),
      afx::bindClick(res::kSummaryPage, &Self::OnSummaryPage),
  };
  return kMap;
}

std::span<const afx::EventSinkEntry<CQuorvelConsoleBrowserDlg>>
CQuorvelConsoleBrowserDlg::eventSinkMap() {
  using Self = CQuorvelConsoleBrowserDlg;
  static constexpr afx::EventSinkEntry<Self> kMap[] = {
      afx::bindNavigateError(res::kBrowser, &Self::OnNavigateError),
  };
  return kMap;
}

void CQuorvelConsoleBrowserDlg::DoDataExchange() {
  browser_.bindControl(*this, res::kBrowser);
  statusLine_.bindControl(*this, res::kStatusLine);
  pageLabel_.bindControl(*this, res::kPageLabel);
  connectionText_.bindControl(*this, res::kConnectionText);
  connectedLamp_.bindControl(*this, res::kConnectedLamp);
  notConnectedLamp_.bindControl(*this, res::kNotConnectedLamp);
}

void CQuorvelConsoleBrowserDlg::OnSysCommand(int command) {
  if ((command & kSysCommandMask) == kAboutCommand) {
    CAboutDlg about(ui());
    about.DoModal();
  } else {
    MappedDialog::OnSysCommand(command);
  }
}

void CQuorvelConsoleBrowserDlg::NavigateToPage() {
  browser_.Navigate(pageAddress(connection_.baseUrl, connection_.page), kRefererHeader);
}

void CQuorvelConsoleBrowserDlg::showPage(int button) {
  const ConsolePage* chosen = pageOfButton(button);
  if (!chosen) return;
  browser_.Stop();
  connection_.page = std::string(chosen->page);
  const std::string address = pageAddress(connection_.baseUrl, connection_.page);
  showStatus("Redirecting - please wait ...");
  browser_.Navigate(address, kRefererHeader);
  pageLabel_.setText(chosen->title);
  pageLabel_.repaint();
  pause(kStatusWaitMs);
  showStatus("");
}

void CQuorvelConsoleBrowserDlg::OnOtherReports() {
  showStatus("Connecting to Quorvel ...");
  // The desktop tells nobody whether a browser opened; neither do we.
  app_.platform().launcher().openAddress(connection_.reportsUrl);
  pause(kStatusWaitMs);
  showStatus("");
}

void CQuorvelConsoleBrowserDlg::showStatus(std::string_view text) {
  statusLine_.setText(text);
  statusLine_.repaint();
}

void CQuorvelConsoleBrowserDlg::pause(int ms) {
  ui().sleep(ms);
}

}  // namespace qv::browser
