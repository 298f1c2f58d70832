#include "platform/ui/script/transcript.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace qv::ui::script {

void Transcript::write(const JsonObject& object) {
  if (!out_ || stopped_) return;
  std::string line = object.str();
  line += '\n';
  // Line by line, so the transcript of a run that dies still tells how far it got.
  if (std::fwrite(line.data(), 1, line.size(), out_) == line.size() && std::fflush(out_) == 0) {
    return;
  }
  // A run whose record is lost proves nothing; it must not pass for one
  // that did. Windows and loops are in the middle of things: leave at once.
  std::fprintf(stderr, "cannot write the transcript: %s\n", std::strerror(errno));
  std::fflush(stderr);
  ::_exit(2);
}

}  // namespace qv::ui::script
