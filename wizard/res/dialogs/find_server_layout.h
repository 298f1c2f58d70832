// The layout that FIND_SERVER and FIND_EMAILSERVER share: only the
// explanation and the title differ.
#pragma once

#include <array>
#include <string_view>

#include "wizard/res/dialogs/find_server_ids.h"
#include "wizard/res/dialogs/page_frame.h"

namespace qv::wizard::res::find_server {

inline constexpr int kWidth = 250;
inline constexpr int kHeight = 182;

constexpr std::array<ui::ControlTemplate, 8> controls(std::string_view explanation) {
  namespace id = ids::find_server;
  namespace cs = ui::cs;
  using ui::ControlKind;
  return {{
      {id::kIcon, ControlKind::Icon, "330", 7, 7, 20, 20},
      {id::kExplanation, ControlKind::Static, explanation, 38, 7, 205, 36},
      {id::kFrame, ControlKind::Group, "Search for Servers", 7, 46, 236, 104},
      {id::kServerList, ControlKind::List, "", 15, 59, 160, 84,
       cs::kSort | cs::kVScroll | cs::kTabStop},
      {id::kSearch, ControlKind::Button, "Search", 183, 59, 52, 14, cs::kDefault | cs::kTabStop},
      {id::kCancel, ControlKind::Button, "Cancel", 139, 161, 50, 14, cs::kGroup | cs::kTabStop},
      {id::kOk, ControlKind::Button, "OK", 193, 161, 50, 14, cs::kTabStop},
      {id::kStatus, ControlKind::Static, "", 7, 152, 236, 8},
  }};
}

// Centred, with a caption but no system menu.
template <std::size_t N>
constexpr ui::DialogTemplate dialog(std::string_view name, std::string_view title,
                                    const std::array<ui::ControlTemplate, N>& controls) {
  return {name,    title, kWidth, kHeight, frame::kPageStyle, frame::kFont, frame::kFontPoints,
          controls};
}

}  // namespace qv::wizard::res::find_server
