// PARAM-RUN: a command line for the script to run, with three examples.
#include "wizard/res/dialogs/file_page_ids.h"
#include "wizard/res/dialogs/page_frame.h"
#include "wizard/res/resources.h"

namespace qv::wizard::res {
namespace {

using ui::ControlKind;
using ui::ControlTemplate;
namespace cs = ui::cs;

constexpr auto kControls = frame::paramPageControls(
    "131",
    ControlTemplate{ids::kQuestion, ControlKind::Static, "Run this command ...", 38, 91, 306, 8},
    std::array{
        ControlTemplate{ids::kRunCommand, ControlKind::Edit, "", 38, 100, 289, 12,
                        cs::kAutoHScroll | cs::kTabStop},
        ControlTemplate{ids::kBrowse, ControlKind::Button, "...", 330, 100, 17, 12, cs::kTabStop},
        ControlTemplate{ids::run::kNoteIcon, ControlKind::Icon, "134", 28, 125, 20, 20},
        ControlTemplate{ids::run::kNote, ControlKind::Static,
                        "The path entered must be relative to && accessible from the server "
                        "running the script. ",
                        53, 126, 272, 8},
        ControlTemplate{ids::run::kExample1, ControlKind::Static, "- C:\\MyDirectory\\MyEXE.exe",
                        62, 169, 263, 8},
        ControlTemplate{ids::run::kExample2, ControlKind::Static,
                        "- CMD /c \"C:\\MyDirectory\\MyEXE.exe\"", 62, 179, 263, 8},
        ControlTemplate{ids::run::kExample3, ControlKind::Static,
                        "- \"C:\\MyDirectory\\MyEXE.exe\" \"Param1\" \"Param2\"", 62, 189, 263, 8},
    },
    ControlTemplate{ids::kHelp, ControlKind::Static,
                    "The above command will be run by the script. Include any command processor "
                    "(e.g. CMD) if applicable as well as any parameters to be passed to the "
                    "command. Enclose parameters && long filenames in quotation marks (\") etc. "
                    "For example ...",
                    53, 138, 255, 28});

}  // namespace

constexpr ui::DialogTemplate kParamRun = frame::paramPage("PARAM-RUN", kControls);

}  // namespace qv::wizard::res
