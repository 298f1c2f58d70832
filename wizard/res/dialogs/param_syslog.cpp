// PARAM-SYSLOG: the syslog server, its port, the severity and the facility.
#include "wizard/res/dialogs/grouped_frame.h"
#include "wizard/res/resources.h"

namespace qv::wizard::res {
namespace {

using namespace grouped;
namespace id = ids::sys_log;

constexpr auto kControls = pageControls(
    frame::pageIcon("122"),
    std::array{
        labelFor(id::kServerLabel, "Name or IP-address of your SYSLOG server : ", 183, 100),
        edit(id::kServer, 183, 100, 144, 12),
        searchButton(330, 100),
        labelFor(id::kPortLabel, "This server listens for requests on port  : ", 183, 117),
        edit(id::kPort, 183, 117, 39, 12, ui::cs::kNumber),
        labelFor(id::kSeverityLabel, "Set this severity level : ", 183, 133),
        edit(id::kSeverity, 183, 133, 39, 12),
        labelFor(id::kFacilityLabel, "Use this SYSLOG facility : ", 183, 149),
        edit(id::kFacility, 183, 149, 39, 13),
    });

}  // namespace

constexpr ui::DialogTemplate kParamSyslog = frame::paramPage("PARAM-SYSLOG", kControls);

}  // namespace qv::wizard::res
