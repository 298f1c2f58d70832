// COMPILE_ERROR: the report of the first faulty tag of a template.
#include "platform/ui/dialog_template.h"
#include "wizard/engine/compile_report.h"
#include "wizard/res/resources.h"

namespace qv::wizard::res {
namespace {

using ui::ControlKind;
using ui::ControlTemplate;
namespace cs = ui::cs;
namespace ds = ui::ds;
namespace id = compile_error_id;

constexpr std::uint32_t kField = cs::kReadOnly | cs::kTabStop;
constexpr std::uint32_t kMultiField = kField | cs::kMultiLine | cs::kVScroll | cs::kAutoVScroll;

constexpr ControlTemplate kControls[] = {
    {id::kBanner, ControlKind::Bitmap, "102", 0, 0, 300, 30},
    {id::kIcon, ControlKind::Icon, "119", 7, 37, 20, 20},
    {id::kIntro, ControlKind::Static,
     "The Wizard encountered the following error whilst processing the template file. Please "
     "review the details below and correct the script, then re-run the Wizard ...",
     35, 37, 258, 26},
    {id::kTemplateLabel, ControlKind::Static, "Template : ", 7, 72, 45, 8, cs::kRight},
    {id::kTemplate, ControlKind::Edit, "", 55, 70, 238, 12, kField | cs::kAutoHScroll},
    {id::kLineLabel, ControlKind::Static, "Line No. : ", 7, 88, 45, 8, cs::kRight},
    {id::kLine, ControlKind::Edit, "", 55, 86, 50, 12, kField},
    {id::kTagLabel, ControlKind::Static, "Tag : ", 7, 104, 45, 8, cs::kRight},
    {id::kTag, ControlKind::Edit, "", 55, 102, 238, 30, kMultiField},
    {id::kErrorLabel, ControlKind::Static, "Error : ", 7, 138, 45, 8, cs::kRight},
    {id::kError, ControlKind::Edit, "", 55, 136, 238, 36, kMultiField},
    {ui::kIdOk, ControlKind::Button, "OK", 243, 179, 50, 14, cs::kDefault | cs::kTabStop},
};

}  // namespace

constexpr ui::DialogTemplate kCompileError{"COMPILE_ERROR",
                                           "Quorvel Scripting Wizard - Compilation Error",
                                           300,
                                           200,
                                           ds::kCaption | ds::kCentered | ds::kModalFrame,
                                           "MS Sans Serif",
                                           8,
                                           kControls};

}  // namespace qv::wizard::res
