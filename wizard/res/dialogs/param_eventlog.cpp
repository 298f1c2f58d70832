// PARAM-EVENTLOG: the PC whose Application Event Log receives the alert, and
// the type of the entry.
#include "wizard/res/dialogs/grouped_frame.h"
#include "wizard/res/resources.h"

namespace qv::wizard::res {
namespace {

using namespace grouped;
namespace id = ids::event_log;

constexpr auto kControls = pageControls(
    frame::pageIcon("336"),
    std::array{
        ControlTemplate{id::kPcLabel, ControlKind::Static,
                        "Log alert to the Application Event Log on this PC (leave blank for the "
                        "local PC) ...",
                        38, 91, 287, 8},
        edit(id::kPc, 38, 100, 289, 12),
        searchButton(330, 100),
        ControlTemplate{id::kTypeLabel, ControlKind::Static,
                        "Log the following type of message in the Event Log ...", 38, 117, 287, 8},
        dropDownList(id::kType, 38, 126, 291),
        ControlTemplate{ids::kHelp, ControlKind::Static,
                        "Enter the name of the server on which the Event Log resides, or click "
                        "the '...' button to view a list of available servers. You can also "
                        "select the type of messsage that will be logged.",
                        38, 152, 287, 27},
    });

}  // namespace

constexpr ui::DialogTemplate kParamEventLog = frame::paramPage("PARAM-EVENTLOG", kControls);

}  // namespace qv::wizard::res
