#include "browser/browser_app.h"

#include "browser/browser_dlg.h"

namespace qv::browser {

bool CQuorvelConsoleBrowserApp::InitInstance() {
  CQuorvelConsoleBrowserDlg dialog(*this);
  setMainWindow(&dialog);
  dialog.DoModal();
  setMainWindow(nullptr);
  // The dialog was the whole program: end without a message loop.
  return false;
}

}  // namespace qv::browser
