// One JSON object written member by member, for the transcript's JSON Lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qv::ui::script {

// Appends `text` as a JSON string. Valid UTF-8 passes through; a byte that is
// not part of valid UTF-8 is written as the character of the same number.
void appendJsonString(std::string& out, std::string_view text);

class JsonObject {
 public:
  JsonObject& add(std::string_view key, std::string_view value);
  JsonObject& add(std::string_view key, const char* value) {
    return add(key, std::string_view(value));
  }
  JsonObject& add(std::string_view key, long long value);
  JsonObject& add(std::string_view key, int value) {
    return add(key, static_cast<long long>(value));
  }
  JsonObject& add(std::string_view key, bool value);
  JsonObject& addNull(std::string_view key);
  // A member whose value is already JSON text.
  JsonObject& addRaw(std::string_view key, std::string_view json);
  JsonObject& addStrings(std::string_view key, const std::vector<std::string>& values);
  std::string str() const { return body_ + "}"; }

 private:
  void key(std::string_view key);
  std::string body_ = "{";
};

}  // namespace qv::ui::script
