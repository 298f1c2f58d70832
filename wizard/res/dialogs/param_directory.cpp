// PARAM-DIRECTORY: the path of a folder.
#include "wizard/res/dialogs/file_page_ids.h"
#include "wizard/res/dialogs/page_frame.h"
#include "wizard/res/resources.h"

namespace qv::wizard::res {
namespace {

using ui::ControlKind;
using ui::ControlTemplate;
namespace cs = ui::cs;

constexpr auto kControls = frame::paramPageControls(
    "117", frame::questionLabel("Use this directory ..."),
    std::array{
        ControlTemplate{ids::kDirectoryPath, ControlKind::Edit, "", 38, 100, 289, 12,
                        cs::kAutoHScroll | cs::kTabStop},
        ControlTemplate{ids::kBrowse, ControlKind::Button, "...", 330, 100, 17, 12, cs::kTabStop},
        ControlTemplate{ids::kPathReminder, ControlKind::Static,
                        "Remember that the path entered must be relative to && accessible from "
                        "the server running the script. ",
                        38, 114, 287, 16},
    },
    frame::helpLabel("The script will access && use this directory to record details etc.", 136,
                     30));

}  // namespace

constexpr ui::DialogTemplate kParamDirectory = frame::paramPage("PARAM-DIRECTORY", kControls);

}  // namespace qv::wizard::res
