#include "platform/ui/dialog.h"

#include <algorithm>

#include "platform/base/text.h"
#include "platform/ui/ui.h"

namespace qv::ui {
namespace {

bool isEdit(const ControlState& c) {
  return c.kind() == ControlKind::Edit;
}
bool isComboWithEdit(const ControlState& c) {
  return c.kind() == ControlKind::Combo && c.has(cs::kDropDownEdit);
}
bool isListLike(const ControlState& c) {
  return c.kind() == ControlKind::Combo || c.kind() == ControlKind::List;
}

// Sorted lists order by bytes with letters compared without case; an equal
// entry goes after those already there.
bool sortsBefore(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    auto ca = static_cast<unsigned char>(a[i]);
    auto cb = static_cast<unsigned char>(b[i]);
    if (ca >= 'A' && ca <= 'Z') ca = static_cast<unsigned char>(ca - 'A' + 'a');
    if (cb >= 'A' && cb <= 'Z') cb = static_cast<unsigned char>(cb - 'A' + 'a');
    if (ca != cb) return ca < cb;
  }
  return a.size() < b.size();
}

}  // namespace

Dialog::Dialog(Ui& ui, const DialogTemplate& tpl, DialogProc& proc, Dialog* owner, bool modal)
    : ui_(ui), tpl_(tpl), proc_(proc), owner_(owner), modal_(modal), title_(tpl.title) {
  controls_.reserve(tpl.controls.size());
  for (const ControlTemplate& ct : tpl.controls) {
    ControlState c;
    c.tpl = &ct;
    c.enabled = (ct.style & cs::kDisabled) == 0;
    c.visible = (ct.style & cs::kHidden) == 0;
    const bool hasOwnText = ct.kind != ControlKind::Combo && ct.kind != ControlKind::List &&
                            ct.kind != ControlKind::Progress && ct.kind != ControlKind::WebView;
    if (hasOwnText) c.text = std::string(ct.text);
    c.selStart = c.selEnd = c.text.size();
    controls_.push_back(std::move(c));
  }
  visible_ = (tpl.style & ds::kHidden) == 0;
  // The first control that takes the focus with Tab has it at the start.
  for (const ControlState& c : controls_) {
    if (c.has(cs::kTabStop) && c.enabled && c.visible) {
      focus_ = c.id();
      break;
    }
  }
}

Dialog::~Dialog() {
  if (host_) host_->closed(*this);
}

ControlState* Dialog::find(int id) {
  for (ControlState& c : controls_) {
    if (c.id() == id) return &c;
  }
  return nullptr;
}

const ControlState* Dialog::find(int id) const {
  for (const ControlState& c : controls_) {
    if (c.id() == id) return &c;
  }
  return nullptr;
}

void Dialog::changed(int id) {
  if (host_ && find(id)) host_->controlChanged(*this, id);
}

void Dialog::setTitle(std::string_view title) {
  title_ = std::string(title);
  if (host_) host_->titleChanged(*this);
}

std::string Dialog::text(int id, std::size_t capacity) const {
  const ControlState* c = find(id);
  if (!c) return {};
  std::string value;
  if (isListLike(*c) && !isComboWithEdit(*c)) {
    if (c->selected >= 0 && c->selected < static_cast<int>(c->items.size())) {
      value = c->items[static_cast<std::size_t>(c->selected)];
    }
  } else {
    value = c->text;
  }
  return capacity == kUnlimited ? value : cutToCapacity(value, capacity);
}

void Dialog::setText(int id, std::string_view text) {
  ControlState* c = find(id);
  if (!c) return;
  if (isListLike(*c) && !isComboWithEdit(*c)) return;
  c->text = std::string(text);
  c->selStart = c->selEnd = 0;
  changed(id);
}

void Dialog::enable(int id, bool enabled) {
  ControlState* c = find(id);
  if (!c || c->enabled == enabled) return;
  c->enabled = enabled;
  changed(id);
}

bool Dialog::isEnabled(int id) const {
  const ControlState* c = find(id);
  return c && c->enabled;
}

void Dialog::showControl(int id, bool visible) {
  ControlState* c = find(id);
  if (!c || c->visible == visible) return;
  c->visible = visible;
  changed(id);
}

bool Dialog::isControlVisible(int id) const {
  const ControlState* c = find(id);
  return c && c->visible;
}

void Dialog::setChecked(int id, bool checked) {
  ControlState* c = find(id);
  if (!c || c->checked == checked) return;
  c->checked = checked;
  changed(id);
}

bool Dialog::isChecked(int id) const {
  const ControlState* c = find(id);
  return c && c->checked;
}

void Dialog::clearItems(int id) {
  ControlState* c = find(id);
  if (!c || !isListLike(*c)) return;
  c->items.clear();
  c->selected = -1;
  if (c->kind() == ControlKind::Combo) c->text.clear();
  changed(id);
}

int Dialog::addItem(int id, std::string_view text) {
  ControlState* c = find(id);
  if (!c || !isListLike(*c)) return -1;
  auto pos = c->items.end();
  if (c->has(cs::kSort)) {
    pos = std::find_if(c->items.begin(), c->items.end(),
                       [&](const std::string& item) { return sortsBefore(text, item); });
  }
  const int index = static_cast<int>(pos - c->items.begin());
  c->items.insert(pos, std::string(text));
  if (c->selected >= index) ++c->selected;
  changed(id);
  return index;
}

void Dialog::setSelection(int id, int index) {
  ControlState* c = find(id);
  if (!c || !isListLike(*c)) return;
  if (index < -1 || index >= static_cast<int>(c->items.size())) index = -1;
  c->selected = index;
  if (c->kind() == ControlKind::Combo) {
    // A combo box shows its selected entry: in its edit field, or as the
    // text of a list-only box.
    c->text = index >= 0 ? c->items[static_cast<std::size_t>(index)] : std::string();
    c->selStart = 0;
    c->selEnd = c->text.size();
  }
  changed(id);
}

int Dialog::selection(int id) const {
  const ControlState* c = find(id);
  return c ? c->selected : -1;
}

std::string Dialog::itemText(int id, int index) const {
  const ControlState* c = find(id);
  if (!c || index < 0 || index >= static_cast<int>(c->items.size())) return {};
  return c->items[static_cast<std::size_t>(index)];
}

int Dialog::itemCount(int id) const {
  const ControlState* c = find(id);
  return c ? static_cast<int>(c->items.size()) : 0;
}

void Dialog::setEditSelection(int id, std::size_t start, std::size_t end) {
  ControlState* c = find(id);
  if (!c) return;
  c->selStart = std::min(start, c->text.size());
  c->selEnd = std::min(std::max(end, start), c->text.size());
  changed(id);
}

void Dialog::insertAt(std::string& text, std::size_t& start, std::size_t& end,
                      std::string_view insert) {
  start = std::min(start, text.size());
  end = std::min(std::max(end, start), text.size());
  text.replace(start, end - start, insert);
  start = end = start + insert.size();
}

void Dialog::paste(int id) {
  ControlState* c = find(id);
  if (!c || !(isEdit(*c) || isComboWithEdit(*c)) || c->has(cs::kReadOnly)) return;
  const std::string clip = ui_.clipboardText();
  insertAt(c->text, c->selStart, c->selEnd, clip);
  changed(id);
}

void Dialog::setProgressRange(int id, int min, int max) {
  ControlState* c = find(id);
  if (!c) return;
  c->rangeMin = min;
  c->rangeMax = max;
  changed(id);
}

void Dialog::setProgress(int id, int position) {
  ControlState* c = find(id);
  if (!c) return;
  c->position = std::clamp(position, c->rangeMin, std::max(c->rangeMin, c->rangeMax));
  if (host_) host_->progressChanged(*this, id);
}

void Dialog::setFocus(int id) {
  if (!find(id)) return;
  focus_ = id;
  if (host_) host_->focusChanged(*this, id);
}

void Dialog::show(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  if (host_) host_->dialogShown(*this, visible);
}

void Dialog::bringToFront() {
  if (host_) host_->bringToFront(*this);
}

void Dialog::repaint(int id) {
  if (host_ && (id == 0 || find(id))) host_->repaint(*this, id);
}

void Dialog::setTimer(int timerId, int ms) {
  if (host_) host_->setTimer(*this, timerId, ms);
}

void Dialog::killTimer(int timerId) {
  if (host_) host_->killTimer(*this, timerId);
}

void Dialog::postCommand(int id) {
  if (host_) host_->postCommand(*this, id);
}

void Dialog::end(int result) {
  ended_ = true;
  result_ = result;
  if (host_) host_->ended(*this);
}

void Dialog::navigate(int id, std::string_view url, std::string_view headers) {
  ControlState* c = find(id);
  if (!c || c->kind() != ControlKind::WebView) return;
  c->url = std::string(url);
  if (host_) host_->navigate(*this, id, url, headers);
}

void Dialog::stopLoading(int id) {
  if (host_ && find(id)) host_->stopLoading(*this, id);
}

void Dialog::reload(int id) {
  if (host_ && find(id)) host_->reload(*this, id);
}

std::string Dialog::locationUrl(int id) const {
  const ControlState* c = find(id);
  return c ? c->url : std::string();
}

void Dialog::setUrl(int id, std::string url) {
  if (ControlState* c = find(id)) c->url = std::move(url);
}

void Dialog::appendSystemMenuItem(std::string_view text, int command) {
  systemMenu_.push_back({std::string(text), command});
  if (host_) host_->systemMenuChanged(*this);
}

void Dialog::setIcon(std::string_view resource) {
  icon_ = std::string(resource);
  if (host_) host_->iconChanged(*this);
}

int Dialog::defaultButtonId() const {
  for (const ControlState& c : controls_) {
    if (c.kind() == ControlKind::Button && c.has(cs::kDefault)) return c.id();
  }
  return 0;
}

void Dialog::userSetText(int id, std::string text) {
  ControlState* c = find(id);
  if (!c) return;
  c->text = std::move(text);
  c->selStart = c->selEnd = c->text.size();
}

void Dialog::userSetSelection(int id, int index) {
  setSelection(id, index);
}

void Dialog::userSetCaret(int id, std::size_t start, std::size_t end) {
  ControlState* c = find(id);
  if (!c) return;
  c->selStart = std::min(start, c->text.size());
  c->selEnd = std::min(std::max(end, c->selStart), c->text.size());
}

void Dialog::userReplaceSelection(int id, std::string_view text) {
  ControlState* c = find(id);
  if (!c) return;
  insertAt(c->text, c->selStart, c->selEnd, text);
}

void Dialog::userClickState(int id) {
  ControlState* c = find(id);
  if (!c) return;
  if (c->kind() == ControlKind::Check) {
    c->checked = !c->checked;
    changed(id);
  } else if (c->kind() == ControlKind::Radio) {
    // The group runs from the control that starts it to the next one that does.
    const auto self = static_cast<std::size_t>(c - controls_.data());
    std::size_t first = self;
    while (first > 0 && !controls_[first].has(cs::kGroup)) --first;
    for (std::size_t i = first; i < controls_.size(); ++i) {
      if (i > first && controls_[i].has(cs::kGroup)) break;
      ControlState& other = controls_[i];
      if (other.kind() != ControlKind::Radio) continue;
      const bool want = i == self;
      if (other.checked != want) {
        other.checked = want;
        changed(other.id());
      }
    }
  }
}

}  // namespace qv::ui
