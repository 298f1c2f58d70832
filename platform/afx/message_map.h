// Message maps and event sink maps: static tables that bind commands, system
// commands, timer messages and web view events to member functions of a
// dialog class T. A dialog derives from MappedDialog<T> and provides
//
//   static std::span<const MessageEntry<T>> messageMap();
//   static std::span<const EventSinkEntry<T>> eventSinkMap();
//
// each returning a constexpr array built with the helpers below. The first
// matching entry handles the message.
#pragma once

#include <span>

#include "platform/afx/dialog_base.h"

namespace qv::afx {

enum class MessageKind { Command, SysCommand, Timer };

template <class T>
struct MessageEntry {
  MessageKind kind;
  int id;  // the control of a command; unused by the other kinds
  void (T::*onCommand)();
  void (T::*onValue)(int);  // takes the system command or the timer id
};

// A button click (or the command a key sends) from control `id`.
template <class T>
constexpr MessageEntry<T> bindClick(int id, void (T::*handler)()) {
  return {MessageKind::Command, id, handler, nullptr};
}

// Every system command; the handler calls DialogBase::OnSysCommand for those
// it leaves to the default processing.
template <class T>
constexpr MessageEntry<T> bindSysCommand(void (T::*handler)(int)) {
  return {MessageKind::SysCommand, 0, nullptr, handler};
}

// Every timer message, whatever its timer id.
template <class T>
constexpr MessageEntry<T> bindTimer(void (T::*handler)(int)) {
  return {MessageKind::Timer, 0, nullptr, handler};
}

template <class T>
struct EventSinkEntry {
  int controlId;
  ui::WebViewEvent event;
  void (T::*handler)();
};

template <class T>
constexpr EventSinkEntry<T> bindNavigateError(int controlId, void (T::*handler)()) {
  return {controlId, ui::WebViewEvent::NavigateError, handler};
}

template <class T>
class MappedDialog : public DialogBase {
 protected:
  using DialogBase::DialogBase;

  bool routeCommand(int id) override {
    for (const MessageEntry<T>& e : T::messageMap()) {
      if (e.kind == MessageKind::Command && e.id == id && e.onCommand) {
        (self().*e.onCommand)();
        return true;
      }
    }
    return false;
  }

  bool routeSysCommand(int command) override {
    return routeValue(MessageKind::SysCommand, command);
  }
  bool routeTimer(int timerId) override { return routeValue(MessageKind::Timer, timerId); }

  bool routeEvent(int controlId, ui::WebViewEvent event) override {
    for (const EventSinkEntry<T>& e : T::eventSinkMap()) {
      if (e.controlId == controlId && e.event == event && e.handler) {
        (self().*e.handler)();
        return true;
      }
    }
    return false;
  }

 private:
  T& self() { return static_cast<T&>(*this); }

  bool routeValue(MessageKind kind, int value) {
    for (const MessageEntry<T>& e : T::messageMap()) {
      if (e.kind == kind && e.onValue) {
        (self().*e.onValue)(value);
        return true;
      }
    }
    return false;
  }
};

}  // namespace qv::afx
