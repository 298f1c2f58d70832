// The benchmark template: many lines, each with one Text tag.
#pragma once

#include <fstream>
#include <string>

namespace qv::bench {

inline constexpr int kBenchLines = 200000;

inline void writeBenchTemplate(const std::string& path, int lines = kBenchLines) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (int i = 0; i < lines; ++i) {
    out << "value" << i << " = \"<PARAM:Type=Text;Question=Value " << i
        << ";Help=Anything>\" ' keep this comment\n";
  }
}

}  // namespace qv::bench
