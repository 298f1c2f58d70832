// The frame that every 354 x 230 wizard page shares, as constexpr pieces, so
// that a page template lists only its own controls:
//
//   constexpr auto kControls = frame::paramPageControls(
//       "114", frame::questionLabel("..."), std::array{ControlTemplate{...}, ...},
//       frame::helpLabel("...", 148, 55));
//   constexpr ui::DialogTemplate kParamText = frame::paramPage("PARAM-TEXT", kControls);
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/ui/dialog_template.h"
#include "wizard/res/dialogs/control_ids.h"

namespace qv::wizard::res::frame {

inline constexpr std::string_view kFont = "MS Sans Serif";
inline constexpr int kFontPoints = 8;
inline constexpr int kPageWidth = 354;
inline constexpr int kPageHeight = 230;
// Centred, with a caption but no system menu (so no close box).
inline constexpr std::uint32_t kPageStyle =
    ui::ds::kCaption | ui::ds::kCentered | ui::ds::kModalFrame;

inline constexpr std::string_view kParamPageTitle =
    "Quorvel Scripting Wizard - Information Required";
inline constexpr std::string_view kParamIntro =
    "In order to customise the script further, the Wizard requires some additional information. "
    "Please enter the details requested below, then click \"Next\" ...";

constexpr ui::ControlTemplate banner() {
  return {ids::kBanner, ui::ControlKind::Bitmap, "102", 0, 0, 358, 49};
}
constexpr ui::ControlTemplate pageIcon(std::string_view icon) {
  return {ids::kPageIcon, ui::ControlKind::Icon, icon, 7, 58, 20, 20};
}
constexpr ui::ControlTemplate cancelButton() {
  return {ids::kCancel, ui::ControlKind::Button,          "Cancel", 194, 209, 50,
          14,           ui::cs::kGroup | ui::cs::kTabStop};
}
// The wizard's own first pages have "<- Back" disabled in the resource.
constexpr ui::ControlTemplate backButton(std::uint32_t extra = ui::cs::kNone) {
  return {ids::kBack, ui::ControlKind::Button, "<- Back", 246, 209, 50,
          14,         ui::cs::kTabStop | extra};
}
constexpr ui::ControlTemplate nextButton() {
  return {ids::kNext, ui::ControlKind::Button,
          "Next ->",  297,
          209,        50,
          14,         ui::cs::kDefault | ui::cs::kTabStop};
}

// The question label; the page replaces its placeholder with the question.
constexpr ui::ControlTemplate questionLabel(std::string_view placeholder, int y = 91) {
  return {ids::kQuestion, ui::ControlKind::Static, placeholder, 38, y, 287, 8};
}
// The help label, below the page's answer fields.
constexpr ui::ControlTemplate helpLabel(std::string_view placeholder, int y, int h) {
  return {ids::kHelp, ui::ControlKind::Static, placeholder, 38, y, 287, h};
}

template <std::size_t... N>
constexpr std::array<ui::ControlTemplate, (N + ...)> join(
    const std::array<ui::ControlTemplate, N>&... parts) {
  std::array<ui::ControlTemplate, (N + ...)> out{};
  std::size_t at = 0;
  (([&] {
     for (const ui::ControlTemplate& c : parts) out[at++] = c;
   }()),
   ...);
  return out;
}

// A parameter page: banner, icon, introduction, question label, the page's
// own controls, help label, then Cancel, Back and Next.
template <std::size_t N>
constexpr auto paramPageControls(std::string_view icon, ui::ControlTemplate question,
                                 const std::array<ui::ControlTemplate, N>& own,
                                 ui::ControlTemplate help) {
  const std::array<ui::ControlTemplate, 4> head{
      banner(), pageIcon(icon),
      ui::ControlTemplate{ids::kIntro, ui::ControlKind::Static, kParamIntro, 38, 62, 287, 17},
      question};
  const std::array<ui::ControlTemplate, 4> tail{help, cancelButton(), backButton(), nextButton()};
  return join(head, own, tail);
}

template <std::size_t N>
constexpr ui::DialogTemplate paramPage(std::string_view name,
                                       const std::array<ui::ControlTemplate, N>& controls) {
  return {name, kParamPageTitle, kPageWidth, kPageHeight, kPageStyle, kFont, kFontPoints, controls};
}

// One of the wizard's own pages, with its own title and controls.
template <std::size_t N>
constexpr ui::DialogTemplate wizardPage(std::string_view name, std::string_view title,
                                        const std::array<ui::ControlTemplate, N>& controls) {
  return {name, title, kPageWidth, kPageHeight, kPageStyle, kFont, kFontPoints, controls};
}

}  // namespace qv::wizard::res::frame
