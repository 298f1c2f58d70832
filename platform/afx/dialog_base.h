// A dialog object bound to a template. It is the dialog procedure of its live
// dialog: commands, timers, system commands and web view events go to the
// handlers of its message and event sink maps (see message_map.h), and what
// no map takes gets the default processing: OK and Cancel end the dialog,
// system commands go back to the window system, timers do nothing.
#pragma once

#include <memory>
#include <string_view>

#include "platform/afx/window_base.h"
#include "platform/ui/dialog_proc.h"
#include "platform/ui/dialog_template.h"
#include "platform/ui/ui.h"

namespace qv::afx {

class DialogBase : public ui::DialogProc, public WindowBase {
 public:
  DialogBase(const ui::DialogTemplate& tpl, ui::Ui& ui) : tpl_(tpl), ui_(ui) {}
  ~DialogBase() override;

  // Runs the dialog modally; returns the value it ended with.
  int DoModal();
  // Opens the dialog modeless, owned by `owner` (may be null); false when no
  // window opened. It stays open until DestroyWindow or this object goes.
  bool Create(WindowBase* owner);
  void DestroyWindow();

  const ui::DialogTemplate& dialogTemplate() const { return tpl_; }
  ui::Ui& ui() { return ui_; }

  void EndDialog(int result);
  // Restarts the timer when it runs already.
  void SetTimer(int timerId, int ms);
  void KillTimer(int timerId);
  // The kit keeps one icon per window, shown in both sizes.
  void SetIcon(std::string_view resource, bool big);
  void appendSystemMenuSeparator();
  void appendSystemMenuItem(std::string_view text, int command);

  // Controls without a member of their own, by id.
  void enableItem(int id, bool enabled);
  void checkItem(int id, bool checked);
  bool isItemChecked(int id) const;

 protected:
  // Binds the control members (DoDataExchange); true leaves the focus to
  // the dialog manager.
  virtual bool OnInitDialog();
  virtual void DoDataExchange() {}
  virtual void OnOK() { EndDialog(ui::kIdOk); }
  virtual void OnCancel() { EndDialog(ui::kIdCancel); }

  // The default processing, for handlers that pass a message on.
  void OnSysCommand(int command);
  void OnTimer(int /*timerId*/) {}

  // The maps; each returns false when no entry takes the message.
  virtual bool routeCommand(int /*id*/) { return false; }
  virtual bool routeSysCommand(int /*command*/) { return false; }
  virtual bool routeTimer(int /*timerId*/) { return false; }
  virtual bool routeEvent(int /*controlId*/, ui::WebViewEvent) { return false; }

 private:
  void onInit(ui::Dialog& dialog) final;
  void onCommand(ui::Dialog& dialog, int id) final;
  void onTimer(ui::Dialog& dialog, int timerId) final;
  bool onSysCommand(ui::Dialog& dialog, int command) final;
  void onWebViewEvent(ui::Dialog& dialog, int id, ui::WebViewEvent event) final;

  const ui::DialogTemplate& tpl_;
  ui::Ui& ui_;
  std::unique_ptr<ui::Dialog> modeless_;
  bool passedToDefault_ = false;
};

}  // namespace qv::afx
