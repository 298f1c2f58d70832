// PARAM-MESSAGE: the alert's title and text, each with a "..." button that
// opens the expression builder.
#include "wizard/res/dialogs/message_ids.h"
#include "wizard/res/dialogs/page_frame.h"
#include "wizard/res/resources.h"

namespace qv::wizard::res {
namespace {

using ui::ControlKind;
using ui::ControlTemplate;
namespace cs = ui::cs;
namespace id = ids::message;

// The page has no question or help label: its prompts and footnote take
// their places in the frame.
constexpr auto kControls = frame::paramPageControls(
    "114",
    ControlTemplate{id::kTitlePrompt, ControlKind::Static,
                    "Please enter the text that will be sent as the title of the alert (in "
                    "e-mails etc.) * ... ",
                    38, 88, 287, 8},
    std::array{
        ControlTemplate{id::kTitle, ControlKind::Edit, "", 38, 98, 289, 12,
                        cs::kAutoHScroll | cs::kTabStop},
        ControlTemplate{id::kTitleBuilder, ControlKind::Button, "...", 330, 98, 17, 12,
                        cs::kTabStop},
        ControlTemplate{id::kTextPrompt, ControlKind::Static,
                        "Please enter the message text that will be sent or logged * ... ", 38, 114,
                        287, 8},
        // No WantReturn: Enter presses "Next ->", Ctrl+Enter starts a new line.
        ControlTemplate{id::kText, ControlKind::Edit, "", 38, 124, 289, 58,
                        cs::kMultiLine | cs::kVScroll | cs::kTabStop},
        ControlTemplate{id::kTextBuilder, ControlKind::Button, "...", 330, 124, 17, 12,
                        cs::kTabStop},
    },
    ControlTemplate{id::kFootnote, ControlKind::Static,
                    "* Place-markers can be used to include alert-specific details.        For "
                    "help, see product documentation.",
                    38, 186, 287, 18});

}  // namespace

constexpr ui::DialogTemplate kParamMessage = frame::paramPage("PARAM-MESSAGE", kControls);

}  // namespace qv::wizard::res
