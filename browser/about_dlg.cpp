#include "browser/about_dlg.h"

#include "browser/res/resources.h"

namespace qv::browser {

CAboutDlg::CAboutDlg(ui::Ui& ui) : MappedDialog(res::aboutBox(), ui) {}

}  // namespace qv::browser
