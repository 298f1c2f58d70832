// PARAM-SMS-HTTP1: an SMS gateway reached over HTTP: server, port, method,
// phone number, user and password.
#include "wizard/res/dialogs/grouped_frame.h"
#include "wizard/res/resources.h"

namespace qv::wizard::res {
namespace {

using namespace grouped;
namespace id = ids::sms_http1;

constexpr auto kControls = pageControls(
    frame::pageIcon("1042"),
    std::array{
        labelFor(id::kServerLabel, "Name or IP-address of web (HTTP) server : ", 183, 101),
        edit(id::kServer, 183, 101, 144, 12),
        labelFor(id::kPortLabel, "This server listens for requests on port  : ", 183, 115),
        edit(id::kPort, 183, 115, 39, 12, ui::cs::kNumber),
        labelFor(id::kMethodLabel, "Use this connection method : ", 183, 129),
        dropDownList(id::kMethod, 183, 129, 54),
        labelFor(id::kPhoneLabel, "Phone number to send SMS to : ", 183, 144),
        edit(id::kPhone, 183, 144, 121, 12, ui::cs::kNumber),
        labelFor(id::kUserLabel, "Use this gateway user ID : ", 183, 158),
        edit(ids::logon::kUser, 183, 158, 121, 12),
        labelFor(id::kPasswordLabel, "Use this gateway password : ", 183, 172),
        edit(ids::logon::kPassword, 183, 172, 121, 12, ui::cs::kPassword),
    });

}  // namespace

constexpr ui::DialogTemplate kParamSmsHttp1 = frame::paramPage("PARAM-SMS-HTTP1", kControls);

}  // namespace qv::wizard::res
