// The compile error report: what the COMPILE_ERROR dialog shows, and the ids
// of that dialog's controls.
#pragma once

#include <cstdint>
#include <string>

#include "platform/ui/dialog_proc.h"

namespace qv::wizard {

// Control ids of COMPILE_ERROR, in template order; OK is ui::kIdOk.
namespace compile_error_id {
inline constexpr int kBanner = 1900;
inline constexpr int kIcon = 1901;
inline constexpr int kIntro = 1902;
inline constexpr int kTemplateLabel = 1903;
inline constexpr int kTemplate = 1904;
inline constexpr int kLineLabel = 1905;
inline constexpr int kLine = 1906;
inline constexpr int kTagLabel = 1907;
inline constexpr int kTag = 1908;
inline constexpr int kErrorLabel = 1909;
inline constexpr int kError = 1910;
}  // namespace compile_error_id

// Tag and error texts are kept to 999 characters.
inline constexpr std::size_t kReportTextCapacity = 1000;

struct CompileReport {
  std::string templatePath;
  std::int32_t lineNumber = 0;
  std::string tagText;
  std::string errorText;
};

// Fills the report's fields; OK ends the dialog with Abort.
class CompileErrorProc final : public ui::DialogProc {
 public:
  explicit CompileErrorProc(const CompileReport& report) : report_(report) {}
  void onInit(ui::Dialog& dialog) override;
  void onCommand(ui::Dialog& dialog, int id) override;

 private:
  const CompileReport& report_;
};

}  // namespace qv::wizard
