// MSG-BUILDER: the expression builder, where a message title or text is
// edited and place-markers are inserted from buttons or from the catalogue.
#include "wizard/res/dialogs/message_ids.h"
#include "wizard/res/dialogs/page_frame.h"
#include "wizard/res/resources.h"

namespace qv::wizard::res {
namespace {

using ui::ControlKind;
using ui::ControlTemplate;
namespace cs = ui::cs;
namespace id = ids::builder;

constexpr std::array kControls{
    ControlTemplate{id::kHeaderIcon, ControlKind::Icon, "114", 7, 7, 20, 20},
    ControlTemplate{id::kHeader, ControlKind::Static,
                    "The text being entered can include one or more place-markers which will be "
                    "expanded automatically by Quorvel. These place-markers allow you to include "
                    "context-specific alert information within the message text. This window "
                    "allows ",
                    35, 7, 298, 26},
    ControlTemplate{id::kHeaderContinued, ControlKind::Static,
                    "you to build  your message && include the appropriate place-markers ...", 35,
                    33, 298, 8},
    ControlTemplate{id::kNoteIcon, ControlKind::Icon, "134", 7, 44, 20, 20},
    ControlTemplate{id::kNote, ControlKind::Static,
                    "Some place-markers are only available depending on the monitor/check being "
                    "performed.",
                    35, 50, 298, 8},
    ControlTemplate{id::kFrame, ControlKind::Group, "Build your message", 7, 66, 326, 166},
    ControlTemplate{id::kInstruction, ControlKind::Static,
                    "Please enter the text you wish to include below, adding place-markers at the "
                    "current location by either clicking the appropriate button below, or "
                    "selecting an entry from the list ...",
                    14, 78, 312, 24},
    // WantReturn: Enter starts a new line here; OK needs a click.
    ControlTemplate{id::kText, ControlKind::Edit, "", 14, 104, 312, 60,
                    cs::kMultiLine | cs::kWantReturn | cs::kVScroll | cs::kTabStop},
    ControlTemplate{id::kQuickLabel, ControlKind::Static, "Either select to insert ...", 14, 172,
                    80, 8, cs::kRight},
    ControlTemplate{id::kTimeLogged, ControlKind::Button, "Time error logged", 98, 170, 56, 14,
                    cs::kTabStop},
    ControlTemplate{id::kCheckName, ControlKind::Button, "The check name", 156, 170, 56, 14,
                    cs::kTabStop},
    ControlTemplate{id::kErrorMessage, ControlKind::Button, "The error message", 214, 170, 56, 14,
                    cs::kTabStop},
    ControlTemplate{id::kServerName, ControlKind::Button, "The server name", 272, 170, 56, 14,
                    cs::kTabStop},
    ControlTemplate{id::kCatalogueLabel, ControlKind::Static, "Or select one of these ...", 14, 192,
                    80, 8, cs::kRight},
    // A drop-down list: not editable, not sorted.
    ControlTemplate{id::kCatalogue, ControlKind::Combo, "", 98, 190, 172, 120,
                    cs::kVScroll | cs::kTabStop},
    ControlTemplate{id::kInsert, ControlKind::Button, "Insert into text", 272, 190, 56, 14,
                    cs::kTabStop},
    ControlTemplate{id::kDefaultLabel, ControlKind::Static, "Or use the default text ...", 14, 212,
                    80, 8, cs::kRight},
    ControlTemplate{id::kDefaultText, ControlKind::Edit, "", 98, 210, 172, 12,
                    cs::kReadOnly | cs::kAutoHScroll},
    ControlTemplate{id::kUseDefault, ControlKind::Button, "Use default text", 272, 210, 56, 14,
                    cs::kDisabled | cs::kTabStop},
    ControlTemplate{id::kCancel, ControlKind::Button, "Cancel", 228, 240, 50, 14,
                    cs::kGroup | cs::kTabStop},
    ControlTemplate{id::kOk, ControlKind::Button, "OK", 283, 240, 50, 14,
                    cs::kDefault | cs::kTabStop},
};

}  // namespace

constexpr ui::DialogTemplate kMsgBuilder{"MSG-BUILDER",
                                         "Quorvel Scripting Wizard - Expression Builder",
                                         340,
                                         260,
                                         frame::kPageStyle,
                                         frame::kFont,
                                         frame::kFontPoints,
                                         kControls};

}  // namespace qv::wizard::res
