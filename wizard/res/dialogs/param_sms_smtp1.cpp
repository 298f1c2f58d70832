// PARAM-SMS-SMTP1: an SMS gateway reached by e-mail: SMTP server, port, the
// provider's SMS-by-e-mail address and the sender.
#include "wizard/res/dialogs/grouped_frame.h"
#include "wizard/res/resources.h"

namespace qv::wizard::res {
namespace {

using namespace grouped;
namespace id = ids::smtp;

constexpr auto kControls = pageControls(
    frame::pageIcon("1043"),
    std::array{
        labelFor(id::kServerLabel, "Name or IP-address of e-mail (SMTP) server : ", 183, 101),
        edit(id::kSmsServer, 183, 101, 144, 12),
        searchButton(330, 101),
        labelFor(id::kPortLabel, "This server listens for requests on port  : ", 183, 117),
        edit(id::kPort, 183, 117, 39, 12, ui::cs::kNumber),
        labelFor(id::kRecipientLabel, "Send message to this e-mail address : ", 183, 133),
        edit(id::kRecipient, 183, 133, 144, 12),
        labelFor(id::kSenderLabel, "Send message from this e-mail address : ", 183, 149),
        edit(id::kSender, 183, 149, 144, 13),
        ControlTemplate{id::kSenderExample, ControlKind::Static, "(e.g. Someone@<YourDomain>)", 183,
                        163, 144, 8},
    });

}  // namespace

constexpr ui::DialogTemplate kParamSmsSmtp1 = frame::paramPage("PARAM-SMS-SMTP1", kControls);

}  // namespace qv::wizard::res
