// The scripted platform with a hook on message boxes, for runs in which the
// world changes while the user reads a message (disk space freed, say).
#pragma once

#include <functional>
#include <string_view>

#include "tests/support/forwarding_platform.h"

namespace qv::wizard::test {

class MessageHook final : public qv::test::ForwardingPlatform {
 public:
  using Hook = std::function<void(std::string_view text)>;
  MessageHook(ui::Platform& inner, Hook hook) : ForwardingPlatform(inner), hook_(std::move(hook)) {}

  ui::MessageAnswer messageBox(std::string_view text, std::string_view title, ui::MessageIcon icon,
                               ui::MessageButtons buttons) override {
    const ui::MessageAnswer answer = inner().messageBox(text, title, icon, buttons);
    hook_(text);
    return answer;
  }

 private:
  Hook hook_;
};

}  // namespace qv::wizard::test
