// PARAM-FILE: the path of a file, typically a log file.
#include "wizard/res/dialogs/file_page_ids.h"
#include "wizard/res/dialogs/page_frame.h"
#include "wizard/res/resources.h"

namespace qv::wizard::res {
namespace {

using ui::ControlKind;
using ui::ControlTemplate;
namespace cs = ui::cs;

constexpr auto kControls = frame::paramPageControls(
    "108", frame::questionLabel("Log alert information to this file ..."),
    std::array{
        ControlTemplate{ids::kFilePath, ControlKind::Edit, "", 38, 100, 289, 12,
                        cs::kAutoHScroll | cs::kTabStop},
        ControlTemplate{ids::kBrowse, ControlKind::Button, "...", 330, 100, 17, 12, cs::kTabStop},
        ControlTemplate{ids::kPathReminder, ControlKind::Static,
                        "Remember that the path entered must be relative to && accessible from "
                        "the server running the script. ",
                        38, 114, 287, 16},
    },
    frame::helpLabel("Alert details will be logged to the file entered above. Please enter the "
                     "path/name of the file, or click the '...' button to select an existing file "
                     "from a list.",
                     136, 30));

}  // namespace

constexpr ui::DialogTemplate kParamFile = frame::paramPage("PARAM-FILE", kControls);

}  // namespace qv::wizard::res
