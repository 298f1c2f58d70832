#include "platform/afx/dialog_base.h"

namespace qv::afx {

DialogBase::~DialogBase() {
  DestroyWindow();
}

int DialogBase::DoModal() {
  // The live dialog exists only inside runModal; forget it however that ends.
  struct Detach {
    DialogBase& self;
    ~Detach() { self.attachLive(nullptr); }
  } detach{*this};
  return ui_.runModal(tpl_, *this);
}

bool DialogBase::Create(WindowBase* owner) {
  DestroyWindow();
  modeless_ = ui_.openModeless(tpl_, *this, owner ? owner->liveDialog() : nullptr);
  attachLive(modeless_.get());
  return modeless_ != nullptr;
}

void DialogBase::DestroyWindow() {
  if (!modeless_) return;
  attachLive(nullptr);
  modeless_.reset();
}

void DialogBase::EndDialog(int result) {
  if (ui::Dialog* d = liveDialog()) d->end(result);
}

void DialogBase::SetTimer(int timerId, int ms) {
  if (ui::Dialog* d = liveDialog()) d->setTimer(timerId, ms);
}

void DialogBase::KillTimer(int timerId) {
  if (ui::Dialog* d = liveDialog()) d->killTimer(timerId);
}

void DialogBase::SetIcon(std::string_view resource, bool /*big*/) {
  if (ui::Dialog* d = liveDialog()) d->setIcon(resource);
}

void DialogBase::appendSystemMenuSeparator() {
  if (ui::Dialog* d = liveDialog()) d->appendSystemMenuItem("", 0);
}

void DialogBase::appendSystemMenuItem(std::string_view text, int command) {
  if (ui::Dialog* d = liveDialog()) d->appendSystemMenuItem(text, command);
}

void DialogBase::enableItem(int id, bool enabled) {
  if (ui::Dialog* d = liveDialog()) d->enable(id, enabled);
}

void DialogBase::checkItem(int id, bool checked) {
  if (ui::Dialog* d = liveDialog()) d->setChecked(id, checked);
}

bool DialogBase::isItemChecked(int id) const {
  const ui::Dialog* d = liveDialog();
  return d && d->isChecked(id);
}

bool DialogBase::OnInitDialog() {
  DoDataExchange();
  return true;
}

void DialogBase::OnSysCommand(int /*command*/) {
  passedToDefault_ = true;
}

void DialogBase::onInit(ui::Dialog& dialog) {
  attachLive(&dialog);
  OnInitDialog();
}

void DialogBase::onCommand(ui::Dialog&, int id) {
  if (routeCommand(id)) return;
  if (id == ui::kIdOk) {
    OnOK();
  } else if (id == ui::kIdCancel) {
    OnCancel();
  }
}

void DialogBase::onTimer(ui::Dialog&, int timerId) {
  if (!routeTimer(timerId)) OnTimer(timerId);
}

bool DialogBase::onSysCommand(ui::Dialog&, int command) {
  passedToDefault_ = false;
  if (!routeSysCommand(command)) return false;
  return !passedToDefault_;
}

void DialogBase::onWebViewEvent(ui::Dialog&, int id, ui::WebViewEvent event) {
  routeEvent(id, event);
}

}  // namespace qv::afx
