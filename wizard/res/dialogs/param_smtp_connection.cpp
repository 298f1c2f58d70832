// PARAM-SMTPCONNECTION: the SMTP server, its port, the recipient and the sender.
#include "wizard/res/dialogs/grouped_frame.h"
#include "wizard/res/resources.h"

namespace qv::wizard::res {
namespace {

using namespace grouped;
namespace id = ids::smtp;

constexpr auto kControls = pageControls(
    frame::pageIcon("152"),
    std::array{
        labelFor(id::kServerLabel, "Name or IP-address of e-mail (SMTP) server : ", 183, 100),
        edit(id::kServer, 183, 100, 144, 12),
        searchButton(330, 100),
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

constexpr ui::DialogTemplate kParamSmtpConnection =
    frame::paramPage("PARAM-SMTPCONNECTION", kControls);

}  // namespace qv::wizard::res
