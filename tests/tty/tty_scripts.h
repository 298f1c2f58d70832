// The wizard runs that the terminal tests make, once by script and once by
// keys: a whole run of the "Disk Space Check" sample, and one with a value
// refused and a cancel question answered No.
#pragma once

#include <fstream>
#include <sstream>
#include <string>

namespace qv::ttytest {

inline std::string readText(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

inline std::string wholeRunScript() {
  return readText(QV_SOURCE_DIR "/templates/demo/disk-check.script");
}

inline constexpr const char* kRefusalAndCancelScript =
    "dialog START-WIZARD\n"
    "click 1010\n"
    "file templates/Disk Space Check.vbt\n"
    "dialog HEADER-INFO\n"
    "click 1010\n"
    "dialog PARAM-TEXT\n"
    "set 1006 ABCD\n"
    "click 1010\n"
    "answer ok\n"
    "set 1006 D:\n"
    "click 1010\n"
    "dialog PARAM-TEXT\n"
    "key escape\n"
    "answer no\n"
    "set 1006 15\n"
    "click 1010\n"
    "dialog PARAM-LIST-NOEDIT\n"
    "select 1013 1\n"
    "click 1010\n"
    "dialog PARAM-2OPTION\n"
    "click 1002\n"
    "click 1010\n"
    "dialog READY\n"
    "click 1010\n"
    "answer ok\n"
    "dialog COMPLETE\n"
    "press Finish\n";

}  // namespace qv::ttytest
