// HEADER-INFO: the template's description and the compile summary.
#include "wizard/res/dialogs/page_frame.h"
#include "wizard/res/resources.h"

namespace qv::wizard::res {
namespace {

using ui::ControlKind;
using ui::ControlTemplate;
namespace cs = ui::cs;

constexpr std::array kControls{
    frame::banner(),
    frame::pageIcon("133"),
    ControlTemplate{ids::kIntro, ControlKind::Static,
                    "The following header information is available for the selected template. It "
                    "describes details of the template including an overview, parameters && "
                    "return values ...",
                    38, 58, 300, 24},
    ControlTemplate{ids::kHeaderText, ControlKind::Edit, "", 7, 85, 340, 118,
                    cs::kMultiLine | cs::kReadOnly | cs::kVScroll | cs::kHScroll |
                        cs::kAutoVScroll | cs::kAutoHScroll | cs::kTabStop},
    frame::cancelButton(),
    frame::backButton(cs::kDisabled),
    frame::nextButton(),
};

}  // namespace

constexpr ui::DialogTemplate kHeaderInfo =
    frame::wizardPage("HEADER-INFO", "Script Information", kControls);

}  // namespace qv::wizard::res
