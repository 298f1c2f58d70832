#include "tools/console-demo/console_state.h"

#include <ctime>

namespace qv::console {

ConsoleState::ConsoleState() : startedAt_(static_cast<std::int64_t>(std::time(nullptr))) {}

ConsoleSnapshot ConsoleState::nextSnapshot() {
  ConsoleSnapshot snapshot;
  snapshot.requestNumber = requests_.fetch_add(1) + 1;
  snapshot.now = static_cast<std::int64_t>(std::time(nullptr));
  snapshot.startedAt = startedAt_;
  snapshot.failStatus = failStatus_.load();
  return snapshot;
}

}  // namespace qv::console
