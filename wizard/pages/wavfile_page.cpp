#include "wizard/pages/wavfile_page.h"

#include "wizard/res/dialogs/file_page_ids.h"

namespace qv::wizard {
namespace {

constexpr PathPageTraits kTraits{
    ids::kWavFilePath, "Please enter the full path & name of the WAV file you wish to play ...",
    false};

}  // namespace

WavFilePage::WavFilePage(WizardContext& ctx, TemplateParam& param)
    : PathPage(ctx, param, kTraits) {}

std::optional<std::string> WavFilePage::browse() {
  return browseForFile("Please select the WAV file you wish to play",
                       {{"WAV Files (*.wav)", "*.wav"}, {"All Files (*.*)", "*.*"}});
}

}  // namespace qv::wizard
