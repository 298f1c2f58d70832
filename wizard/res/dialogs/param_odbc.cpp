// PARAM-ODBC: an ODBC data source with its server, database, user and
// password, and a button that starts the ODBC Data Source Administrator.
#include "wizard/res/dialogs/grouped_frame.h"
#include "wizard/res/resources.h"

namespace qv::wizard::res {
namespace {

using namespace grouped;
namespace id = ids::odbc;

constexpr auto kControls =
    pageControls(frame::pageIcon("132"),
                 std::array{
                     labelFor(id::kDataSourceLabel, "Name of ODBC connection : ", 183, 100),
                     ControlTemplate{id::kDataSource, ControlKind::Combo, "", 183, 100, 144, 80,
                                     ui::cs::kDropDownEdit | ui::cs::kSort | ui::cs::kVScroll |
                                         ui::cs::kAutoHScroll | ui::cs::kTabStop},
                     labelFor(id::kServerLabel, "Connect to this server : ", 183, 116),
                     edit(id::kServer, 183, 116, 144, 12),
                     searchButton(330, 117),
                     labelFor(id::kDatabaseLabel, "Connect to this database : ", 183, 132),
                     edit(id::kDatabase, 183, 132, 144, 12),
                     labelFor(id::kUserLabel, "Use this database user ID : ", 183, 147),
                     edit(ids::logon::kUser, 183, 147, 144, 12),
                     labelFor(id::kPasswordLabel, "Use this database password : ", 183, 162),
                     edit(ids::logon::kPassword, 183, 162, 144, 12, ui::cs::kPassword),
                     ControlTemplate{id::kAdministrator, ControlKind::Button,
                                     "ODBC Data Sources ...", 106, 209, 86, 14, ui::cs::kTabStop},
                 });

}  // namespace

constexpr ui::DialogTemplate kParamOdbc = frame::paramPage("PARAM-ODBC", kControls);

}  // namespace qv::wizard::res
