// Pieces of the grouped pages' templates: the frame without question and
// help labels (these pages label each field instead), right-aligned labels
// at the left of their fields, and the fields themselves.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "wizard/res/dialogs/grouped_page_ids.h"
#include "wizard/res/dialogs/page_frame.h"

namespace qv::wizard::res::grouped {

using ui::ControlKind;
using ui::ControlTemplate;

// Banner, icon, introduction, the page's own controls, Cancel, Back, Next.
template <std::size_t N>
constexpr auto pageControls(ControlTemplate icon, const std::array<ControlTemplate, N>& own) {
  const std::array<ControlTemplate, 3> head{
      frame::banner(), icon,
      ControlTemplate{ids::kIntro, ControlKind::Static, frame::kParamIntro, 38, 62, 287, 17}};
  const std::array<ControlTemplate, 3> tail{frame::cancelButton(), frame::backButton(),
                                            frame::nextButton()};
  return frame::join(head, own, tail);
}

// A label ending just left of a field at (fieldX, fieldY).
constexpr ControlTemplate labelFor(int id, std::string_view text, int fieldX, int fieldY) {
  return {id, ControlKind::Static, text, 38, fieldY + 2, fieldX - 38 - 3, 8, ui::cs::kRight};
}

constexpr ControlTemplate edit(int id, int x, int y, int w, int h,
                               std::uint32_t extra = ui::cs::kNone) {
  return {id, ControlKind::Edit, "", x, y, w, h, ui::cs::kAutoHScroll | ui::cs::kTabStop | extra};
}

// The "..." button beside the field it fills.
constexpr ControlTemplate searchButton(int x, int y) {
  return {ids::kBrowse, ControlKind::Button, "...", x, y, 17, 12, ui::cs::kTabStop};
}

// A drop-down list without an edit field, unsorted.
constexpr ControlTemplate dropDownList(int id, int x, int y, int w) {
  return {id, ControlKind::Combo, "", x, y, w, 60, ui::cs::kVScroll | ui::cs::kTabStop};
}

}  // namespace qv::wizard::res::grouped
