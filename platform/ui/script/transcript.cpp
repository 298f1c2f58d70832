#include "platform/ui/script/transcript.h"

#include <string>

namespace qv::ui::script {

void Transcript::write(const JsonObject& object) {
  if (!out_ || stopped_) return;
  std::string line = object.str();
  line += '\n';
  std::fwrite(line.data(), 1, line.size(), out_);
  // Line by line, so the transcript of a run that dies still tells how far it got.
  std::fflush(out_);
}

}  // namespace qv::ui::script
