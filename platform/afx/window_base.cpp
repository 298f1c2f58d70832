#include "platform/afx/window_base.h"

namespace qv::afx {

void WindowBase::bindControl(WindowBase& parent, int id) {
  parent_ = &parent;
  id_ = id;
}

ui::Dialog* WindowBase::liveDialog() const {
  return parent_ ? parent_->liveDialog() : live_;
}

void WindowBase::setText(std::string_view text) {
  ui::Dialog* d = liveDialog();
  if (!d) return;
  if (parent_) {
    d->setText(id_, text);
  } else {
    d->setTitle(text);
  }
}

std::string WindowBase::text() const {
  const ui::Dialog* d = liveDialog();
  if (!d) return {};
  return parent_ ? d->text(id_) : d->title();
}

void WindowBase::show(bool visible) {
  ui::Dialog* d = liveDialog();
  if (!d) return;
  if (parent_) {
    d->showControl(id_, visible);
  } else {
    d->show(visible);
  }
}

void WindowBase::enable(bool enabled) {
  if (ui::Dialog* d = liveDialog(); d && parent_) d->enable(id_, enabled);
}

void WindowBase::repaint() {
  if (ui::Dialog* d = liveDialog()) d->repaint(parent_ ? id_ : 0);
}

void WindowBase::setChecked(bool checked) {
  if (ui::Dialog* d = liveDialog(); d && parent_) d->setChecked(id_, checked);
}

bool WindowBase::isChecked() const {
  const ui::Dialog* d = liveDialog();
  return d && parent_ && d->isChecked(id_);
}

}  // namespace qv::afx
