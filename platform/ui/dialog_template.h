// Dialog templates are data, like a resource script: a dialog is a name or a
// number, a title, a size in dialog units, style flags, a font and a table of
// controls. Backends build live dialogs from them.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace qv::ui {

enum class ControlKind {
  Static,
  Edit,
  Button,
  Check,
  Radio,
  Group,
  Combo,
  List,
  Progress,
  Icon,
  Bitmap,
  WebView,
};

// Control style flags. Not every flag applies to every kind.
namespace cs {
inline constexpr std::uint32_t kNone = 0;
inline constexpr std::uint32_t kGroup = 1u << 0;     // starts a group (radio groups, tab groups)
inline constexpr std::uint32_t kTabStop = 1u << 1;   // reached with Tab
inline constexpr std::uint32_t kHidden = 1u << 2;    // not visible at creation
inline constexpr std::uint32_t kDisabled = 1u << 3;  // disabled at creation
// static
inline constexpr std::uint32_t kRight = 1u << 4;
inline constexpr std::uint32_t kCenter = 1u << 5;
// edit
inline constexpr std::uint32_t kMultiLine = 1u << 6;
inline constexpr std::uint32_t kWantReturn = 1u << 7;  // Enter takes a new line
inline constexpr std::uint32_t kPassword = 1u << 8;
inline constexpr std::uint32_t kNumber = 1u << 9;  // digits only when typed
inline constexpr std::uint32_t kReadOnly = 1u << 10;
inline constexpr std::uint32_t kAutoHScroll = 1u << 11;
inline constexpr std::uint32_t kAutoVScroll = 1u << 12;
inline constexpr std::uint32_t kVScroll = 1u << 13;
inline constexpr std::uint32_t kHScroll = 1u << 14;
// button
inline constexpr std::uint32_t kDefault = 1u << 15;  // the default push button
// check box and radio button
inline constexpr std::uint32_t kPushLike = 1u << 16;  // drawn as a push button
// combo box and list box
inline constexpr std::uint32_t kDropDownEdit = 1u << 17;  // combo with an edit field
inline constexpr std::uint32_t kSort = 1u << 18;
// progress bar
inline constexpr std::uint32_t kSmooth = 1u << 19;
// picture controls: keep the picture's own size instead of the template's
inline constexpr std::uint32_t kNaturalSize = 1u << 20;
}  // namespace cs

// Dialog style flags.
namespace ds {
inline constexpr std::uint32_t kNone = 0;
inline constexpr std::uint32_t kCaption = 1u << 0;
inline constexpr std::uint32_t kSysMenu = 1u << 1;  // caption with system menu and close box
inline constexpr std::uint32_t kMinimizeBox = 1u << 2;
inline constexpr std::uint32_t kCentered = 1u << 3;
inline constexpr std::uint32_t kModalFrame = 1u << 4;
inline constexpr std::uint32_t kHidden = 1u << 5;     // not visible when created
inline constexpr std::uint32_t kAppWindow = 1u << 6;  // has a task bar button
}  // namespace ds

struct ControlTemplate {
  int id;
  ControlKind kind;
  // The text as the resource writes it ("&&" shows as "&"); for icons and
  // bitmaps the resource name of the picture.
  std::string_view text;
  int x, y, w, h;  // dialog units
  std::uint32_t style = cs::kNone;
};

struct DialogTemplate {
  std::string_view name;  // "PARAM-TEXT", or a number such as "102"
  std::string_view title;
  int w, h;  // dialog units
  std::uint32_t style;
  std::string_view font;  // "MS Sans Serif", "MS Shell Dlg"
  int fontPoints;
  std::span<const ControlTemplate> controls;
};

// Ids with a meaning of their own to dialogs.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;  // Escape sends this command

}  // namespace qv::ui
