#include "platform/os/odbc_sources.h"

#include <sql.h>
#include <sqlext.h>

#include <array>
#include <cstdint>

namespace qv::os {
namespace {

// The buffers the data source enumeration fills; the description is fetched
// only because the call wants somewhere to put it.
constexpr std::size_t kNameBuffer = 100;
constexpr std::size_t kDescriptionBuffer = 260;

class EnvironmentHandle {
 public:
  EnvironmentHandle() {
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &handle_))) {
      handle_ = SQL_NULL_HENV;
    }
  }
  ~EnvironmentHandle() {
    if (handle_ != SQL_NULL_HENV) SQLFreeHandle(SQL_HANDLE_ENV, handle_);
  }
  EnvironmentHandle(const EnvironmentHandle&) = delete;
  EnvironmentHandle& operator=(const EnvironmentHandle&) = delete;

  bool valid() const { return handle_ != SQL_NULL_HENV; }
  SQLHENV get() const { return handle_; }

 private:
  SQLHENV handle_ = SQL_NULL_HENV;
};

// One fetch; the name buffer is cleared first, so a call that delivers
// nothing (end of the data, an error) leaves an empty name.
SQLRETURN fetch(SQLHENV env, SQLUSMALLINT direction, std::array<SQLCHAR, kNameBuffer>& name) {
  std::array<SQLCHAR, kDescriptionBuffer> description{};
  SQLSMALLINT nameLength = 0;
  SQLSMALLINT descriptionLength = 0;
  name.fill(0);
  return SQLDataSources(env, direction, name.data(), static_cast<SQLSMALLINT>(name.size()),
                        &nameLength, description.data(),
                        static_cast<SQLSMALLINT>(description.size()), &descriptionLength);
}

std::string nameText(const std::array<SQLCHAR, kNameBuffer>& name) {
  std::string text;
  for (std::size_t i = 0; i + 1 < name.size() && name[i] != 0; ++i) {
    text += static_cast<char>(name[i]);
  }
  return text;
}

}  // namespace

OdbcSourceList DriverManagerSources::listDataSources() {
  EnvironmentHandle env;
  if (!env.valid()) return {OdbcStatus::CannotAllocate, {}};
  // unixODBC refuses the enumeration on an environment that has not declared
  // the ODBC version it speaks.
  SQLSetEnvAttr(env.get(), SQL_ATTR_ODBC_VERSION,
                reinterpret_cast<SQLPOINTER>(static_cast<std::intptr_t>(SQL_OV_ODBC3)), 0);

  std::array<SQLCHAR, kNameBuffer> name{};
  const SQLRETURN first = fetch(env.get(), SQL_FETCH_FIRST, name);
  if (first == SQL_ERROR || first == SQL_INVALID_HANDLE) return {OdbcStatus::FetchError, {}};

  OdbcSourceList list;
  for (std::string text = nameText(name); !text.empty(); text = nameText(name)) {
    list.names.push_back(std::move(text));
    fetch(env.get(), SQL_FETCH_NEXT, name);
  }
  return list;
}

}  // namespace qv::os
