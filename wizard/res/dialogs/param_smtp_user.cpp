// PARAM-SMTPUSER: the user and password that log on to the SMTP server.
#include "wizard/res/dialogs/grouped_frame.h"
#include "wizard/res/resources.h"

namespace qv::wizard::res {
namespace {

using namespace grouped;
namespace id = ids::logon;

constexpr auto kControls = pageControls(
    frame::pageIcon("128"),
    std::array{
        labelFor(id::kUserLabel, "Logon to the SMTP server using this user ID : ", 201, 100),
        edit(id::kUser, 201, 100, 118, 12),
        labelFor(id::kPasswordLabel, "Logon with this password : ", 201, 116),
        edit(id::kPassword, 201, 116, 118, 12, ui::cs::kPassword),
        ControlTemplate{id::kNote, ControlKind::Static,
                        "These details will be used to authenticate access to the server.", 38, 141,
                        287, 8},
    });

}  // namespace

constexpr ui::DialogTemplate kParamSmtpUser = frame::paramPage("PARAM-SMTPUSER", kControls);

}  // namespace qv::wizard::res
