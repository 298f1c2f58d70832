// The transcript of a scripted run: one JSON object per event, in order.
#pragma once

#include <cstdio>

#include "platform/ui/script/json_line.h"

namespace qv::ui::script {

class Transcript {
 public:
  // `out` may be null: no transcript. The transcript does not own it.
  explicit Transcript(std::FILE* out) : out_(out) {}
  // Starts an event object with its `event` member first.
  static JsonObject event(const char* name) { return std::move(JsonObject().add("event", name)); }
  // Writes one line and flushes it. A write that fails ends the process at
  // once with one line on standard error and exit status 2.
  void write(const JsonObject& object);
  // After a failed run nothing more is written.
  void stop() { stopped_ = true; }

 private:
  std::FILE* out_;
  bool stopped_ = false;
};

}  // namespace qv::ui::script
