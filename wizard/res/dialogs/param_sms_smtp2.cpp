// PARAM-SMS-SMTP2: the phone number, user and password of an SMS gateway
// reached by e-mail.
#include "wizard/res/dialogs/grouped_frame.h"
#include "wizard/res/resources.h"

namespace qv::wizard::res {
namespace {

using namespace grouped;
namespace id = ids::sms_smtp2;

constexpr auto kControls =
    pageControls(frame::pageIcon("1043"),
                 std::array{
                     labelFor(id::kPhoneLabel, "Phone number to send SMS to : ", 205, 103),
                     edit(ids::sms_http1::kPhone, 205, 103, 133, 12, ui::cs::kNumber),
                     labelFor(id::kUserLabel, "Use this gateway user ID : ", 205, 116),
                     edit(ids::logon::kUser, 205, 116, 133, 12),
                     labelFor(id::kPasswordLabel, "Use this gateway password : ", 205, 130),
                     edit(ids::logon::kPassword, 205, 130, 133, 12, ui::cs::kPassword),
                 });

}  // namespace

constexpr ui::DialogTemplate kParamSmsSmtp2 = frame::paramPage("PARAM-SMS-SMTP2", kControls);

}  // namespace qv::wizard::res
