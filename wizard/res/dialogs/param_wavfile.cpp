// PARAM-WAVFILE: the sound file played when the alert is raised.
#include "wizard/res/dialogs/file_page_ids.h"
#include "wizard/res/dialogs/page_frame.h"
#include "wizard/res/resources.h"

namespace qv::wizard::res {
namespace {

using ui::ControlKind;
using ui::ControlTemplate;
namespace cs = ui::cs;

constexpr auto kControls = frame::paramPageControls(
    "205", frame::questionLabel("Play this sound (.WAV) when the alert is raised ..."),
    std::array{
        ControlTemplate{ids::kWavFilePath, ControlKind::Edit, "", 38, 100, 289, 12,
                        cs::kAutoHScroll | cs::kTabStop},
        ControlTemplate{ids::kBrowse, ControlKind::Button, "...", 330, 100, 17, 12, cs::kTabStop},
    },
    frame::helpLabel("This is the path/name of the sound file that will be played. You must ensure "
                     "sound is enabled for the PC && user in order for the sound to be heard.",
                     118, 30));

}  // namespace

constexpr ui::DialogTemplate kParamWavFile = frame::paramPage("PARAM-WAVFILE", kControls);

}  // namespace qv::wizard::res
