// Launching in a scripted run: recorded in the transcript, not performed.
#pragma once

#include "platform/os/launcher.h"
#include "platform/ui/script/transcript.h"

namespace qv::ui::script {

class ScriptLauncher final : public os::Launcher {
 public:
  ScriptLauncher(Transcript& transcript, bool fails) : transcript_(transcript), fails_(fails) {}
  bool startProgram(std::string_view commandLine, os::WindowState state) override;
  bool openAddress(std::string_view address) override;
  // x-www-browser for an existing file, none otherwise.
  std::string findAssociatedProgram(std::string_view filePath) override;

 private:
  Transcript& transcript_;
  bool fails_;
};

}  // namespace qv::ui::script
