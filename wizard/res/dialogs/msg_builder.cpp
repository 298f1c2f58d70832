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
                    35, 7, 338, 26},
    ControlTemplate{id::kHeaderContinued, ControlKind::Static,
                    "you to build  your message && include the appropriate place-markers ...", 35,
                    33, 338, 8},
    ControlTemplate{id::kNoteIcon, ControlKind::Icon, "134", 7, 44, 20, 20},
    ControlTemplate{id::kNote, ControlKind::Static,
                    "Some place-markers are only available depending on the monitor/check being "
                    "performed.",
                    35, 50, 338, 8},
    ControlTemplate{id::kFrame, ControlKind::Group, "Build your message", 7, 66, 366, 166},
    ControlTemplate{id::kInstruction, ControlKind::Static,
                    "Please enter the text you wish to include below, adding place-markers at the "
                    "current location by either clicking the appropriate button below, or "
                    "selecting an entry from the list ...",
                    14, 78, 352, 24},
    // WantReturn: Enter starts a new line here; OK needs a click.
    ControlTemplate{id::kText, ControlKind::Edit, "", 14, 104, 352, 60,
                    cs::kMultiLine | cs::kWantReturn | cs::kVScroll | cs::kTabStop},
    ControlTemplate{id::kQuickLabel, ControlKind::Static, "Either select to insert ...", 9, 172, 77,
                    8, cs::kRight},
    ControlTemplate{id::kTimeLogged, ControlKind::Button, "Time error logged", 88, 170, 66, 14,
                    cs::kTabStop},
    ControlTemplate{id::kCheckName, ControlKind::Button, "The check name", 156, 170, 66, 14,
                    cs::kTabStop},
    ControlTemplate{id::kErrorMessage, ControlKind::Button, "The error message", 224, 170, 66, 14,
                    cs::kTabStop},
    ControlTemplate{id::kServerName, ControlKind::Button, "The server name", 292, 170, 66, 14,
                    cs::kTabStop},
    ControlTemplate{id::kCatalogueLabel, ControlKind::Static, "Or select one of these ...", 9, 192,
                    77, 8, cs::kRight},
    // A drop-down list: not editable, not sorted.
    ControlTemplate{id::kCatalogue, ControlKind::Combo, "", 88, 190, 202, 120,
                    cs::kVScroll | cs::kTabStop},
    ControlTemplate{id::kInsert, ControlKind::Button, "Insert into text", 292, 190, 66, 14,
                    cs::kTabStop},
    ControlTemplate{id::kDefaultLabel, ControlKind::Static, "Or use the default text ...", 9, 212,
                    77, 8, cs::kRight},
    ControlTemplate{id::kDefaultText, ControlKind::Edit, "", 88, 210, 202, 12,
                    cs::kReadOnly | cs::kAutoHScroll},
    ControlTemplate{id::kUseDefault, ControlKind::Button, "Use default text", 292, 210, 66, 14,
                    cs::kDisabled | cs::kTabStop},
    ControlTemplate{id::kCancel, ControlKind::Button, "Cancel", 268, 240, 50, 14,
                    cs::kGroup | cs::kTabStop},
    ControlTemplate{id::kOk, ControlKind::Button, "OK", 323, 240, 50, 14,
                    cs::kDefault | cs::kTabStop},
};

}  // namespace

constexpr ui::DialogTemplate kMsgBuilder{"MSG-BUILDER",
                                         "Quorvel Scripting Wizard - Expression Builder",
                                         380,
                                         260,
                                         frame::kPageStyle,
                                         frame::kFont,
                                         frame::kFontPoints,
                                         kControls};

}  // namespace qv::wizard::res
