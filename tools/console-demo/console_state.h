// The demo console's changing state: a request counter, the clock and the
// failure switch. Pages are rendered from a snapshot of it, so page content
// never touches shared state.
#pragma once

#include <atomic>
#include <cstdint>

namespace qv::console {

struct ConsoleSnapshot {
  std::uint64_t requestNumber = 1;  // 1 for the first page request served
  std::int64_t now = 0;             // seconds since the epoch
  std::int64_t startedAt = 0;       // when the demo started, seconds since the epoch
  int failStatus = 0;               // status every page answers with; 0 when healthy
};

// Shared by the server's worker threads, hence atomics.
class ConsoleState {
 public:
  ConsoleState();

  // Counts one page request and captures the state it is answered from.
  ConsoleSnapshot nextSnapshot();

  // From now on every page answers `status`.
  void fail(int status) { failStatus_.store(status); }
  void recover() { failStatus_.store(0); }
  int failStatus() const { return failStatus_.load(); }

 private:
  const std::int64_t startedAt_;
  std::atomic<std::uint64_t> requests_{0};
  std::atomic<int> failStatus_{0};
};

}  // namespace qv::console
