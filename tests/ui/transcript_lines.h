// Reading transcripts in tests.
#pragma once

#include <sstream>
#include <string>
#include <vector>

namespace qv::test {

inline std::vector<std::string> lines(const std::string& transcript) {
  std::vector<std::string> out;
  std::istringstream in(transcript);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

// The lines of one event, in order.
inline std::vector<std::string> events(const std::string& transcript, const std::string& event) {
  std::vector<std::string> out;
  const std::string prefix = "{\"event\":\"" + event + "\"";
  for (const std::string& line : lines(transcript)) {
    if (line.rfind(prefix, 0) == 0 && (line[prefix.size()] == ',' || line[prefix.size()] == '}')) {
      out.push_back(line);
    }
  }
  return out;
}

}  // namespace qv::test
