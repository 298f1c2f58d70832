// A temporary ODBC configuration for the driver manager of this process:
// its own odbcinst.ini with the SQLite ODBC driver, a system odbc.ini with
// the data sources asked for and an empty user odbc.ini, named through
// ODBCSYSINI and ODBCINI. unixODBC remembers the configuration folder from
// its first use for the rest of the process, so every configuration of a
// process is written into the same folder; the files are read afresh on
// every listing.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <string_view>

namespace qv::test {

inline constexpr std::string_view kSqliteOdbcDriver =
    "/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so";

class OdbcConfig {
 public:
  // `dataSources` in the order the file lists them.
  explicit OdbcConfig(std::initializer_list<std::string_view> dataSources)
      : folder_(processFolder().path) {
    write("odbcinst.ini", "[SQLite3]\nDescription=SQLite3 ODBC Driver\nDriver=" +
                              std::string(kSqliteOdbcDriver) + "\n");
    std::string sources = "[ODBC Data Sources]\n";
    for (std::string_view name : dataSources) sources += std::string(name) + "=SQLite3\n";
    for (std::string_view name : dataSources) {
      sources += "\n[" + std::string(name) + "]\nDriver=SQLite3\nDescription=Test source " +
                 std::string(name) + "\nDatabase=" + folder_ + "/" + std::string(name) + ".db\n";
    }
    write("odbc.ini", sources);
    write("user-odbc.ini", "");
    ::setenv("ODBCSYSINI", folder_.c_str(), 1);
    ::setenv("ODBCINI", (folder_ + "/user-odbc.ini").c_str(), 1);
  }
  ~OdbcConfig() {
    // Nothing defined once the test is over.
    write("odbc.ini", "");
  }
  OdbcConfig(const OdbcConfig&) = delete;
  OdbcConfig& operator=(const OdbcConfig&) = delete;

 private:
  struct Folder {
    Folder() {
      std::string pattern = (std::filesystem::temp_directory_path() / "qv-odbc-XXXXXX").string();
      if (::mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "mkdtemp failed";
      path = pattern;
    }
    ~Folder() {
      std::error_code ignored;
      std::filesystem::remove_all(path, ignored);
    }
    std::string path;
  };
  static const Folder& processFolder() {
    static const Folder folder;
    return folder;
  }

  void write(std::string_view name, const std::string& text) const {
    std::ofstream(folder_ + "/" + std::string(name), std::ios::trunc) << text;
  }

  std::string folder_;
};

}  // namespace qv::test
