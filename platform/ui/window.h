// A plain (never shown) window with a window procedure, for the wizard's
// hidden main window.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qv::ui {

// Message numbers as the window system numbers them.
inline constexpr unsigned kWmCreate = 0x0001;
inline constexpr unsigned kWmDestroy = 0x0002;
inline constexpr unsigned kWmQueryOpen = 0x0013;
inline constexpr unsigned kWmUser = 0x0400;

class Window;

class WindowProc {
 public:
  virtual ~WindowProc() = default;
  virtual long onMessage(Window&, unsigned message, std::uintptr_t wparam,
                         std::intptr_t lparam) = 0;
};

class Window {
 public:
  virtual ~Window() = default;
  // Calls the window procedure now and returns its result.
  virtual long send(unsigned message, std::uintptr_t wparam, std::intptr_t lparam) = 0;
  // Queues the message for the message loop.
  virtual void post(unsigned message, std::uintptr_t wparam, std::intptr_t lparam) = 0;
  // Sends kWmDestroy; afterwards the window is gone.
  virtual void destroy() = 0;
  virtual const std::string& title() const = 0;
};

}  // namespace qv::ui
