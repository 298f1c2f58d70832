// PARAM-DOMAIN: a Windows domain, also written as a directory name of "DC="
// parts.
#include "wizard/res/dialogs/grouped_frame.h"
#include "wizard/res/resources.h"

namespace qv::wizard::res {
namespace {

using namespace grouped;

constexpr auto kControls = pageControls(
    // This page's icon sits a little lower and further in than on the others.
    ControlTemplate{ids::kPageIcon, ControlKind::Icon, "136", 10, 60, 20, 20},
    std::array{
        frame::questionLabel("Please enter your full domain name ..."),
        edit(ids::domain::kDomain, 38, 100, 289, 12),
        frame::helpLabel("This is the the name of the domain the script will access. It should "
                         "be entered in the format YourDomain.com or YourDomain.local etc.",
                         132, 40),
    });

}  // namespace

constexpr ui::DialogTemplate kParamDomain = frame::paramPage("PARAM-DOMAIN", kControls);

}  // namespace qv::wizard::res
