#include "platform/ui/script/json_line.h"

#include <cstdio>

namespace qv::ui::script {
namespace {

// Length of the valid UTF-8 sequence at text[i], 0 when the byte starts none.
std::size_t utf8SequenceAt(std::string_view text, std::size_t i) {
  const auto c = static_cast<unsigned char>(text[i]);
  std::size_t extra;
  unsigned cp;
  if (c < 0x80) return 1;
  if ((c & 0xE0) == 0xC0) {
    extra = 1;
    cp = c & 0x1F;
  } else if ((c & 0xF0) == 0xE0) {
    extra = 2;
    cp = c & 0x0F;
  } else if ((c & 0xF8) == 0xF0) {
    extra = 3;
    cp = c & 0x07;
  } else {
    return 0;
  }
  if (i + extra >= text.size()) return 0;
  for (std::size_t k = 1; k <= extra; ++k) {
    const auto cc = static_cast<unsigned char>(text[i + k]);
    if ((cc & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (cc & 0x3F);
  }
  static constexpr unsigned kMin[] = {0, 0x80, 0x800, 0x10000};
  if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return extra + 1;
}

}  // namespace

void appendJsonString(std::string& out, std::string_view text) {
  out += '"';
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      switch (c) {
        case '"':
          out += "\\\"";
          break;
        case '\\':
          out += "\\\\";
          break;
        case '\n':
          out += "\\n";
          break;
        case '\r':
          out += "\\r";
          break;
        case '\t':
          out += "\\t";
          break;
        default:
          if (c < 0x20 || c == 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
          } else {
            out += static_cast<char>(c);
          }
      }
      ++i;
      continue;
    }
    if (const std::size_t n = utf8SequenceAt(text, i)) {
      out.append(text.substr(i, n));
      i += n;
    } else {
      // Latin-1: the byte as the character of the same number.
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
      ++i;
    }
  }
  out += '"';
}

void JsonObject::key(std::string_view key) {
  if (body_.size() > 1) body_ += ',';
  appendJsonString(body_, key);
  body_ += ':';
}

JsonObject& JsonObject::add(std::string_view k, std::string_view value) {
  key(k);
  appendJsonString(body_, value);
  return *this;
}

JsonObject& JsonObject::add(std::string_view k, long long value) {
  key(k);
  body_ += std::to_string(value);
  return *this;
}

JsonObject& JsonObject::add(std::string_view k, bool value) {
  key(k);
  body_ += value ? "true" : "false";
  return *this;
}

JsonObject& JsonObject::addNull(std::string_view k) {
  key(k);
  body_ += "null";
  return *this;
}

JsonObject& JsonObject::addRaw(std::string_view k, std::string_view json) {
  key(k);
  body_ += json;
  return *this;
}

JsonObject& JsonObject::addStrings(std::string_view k, const std::vector<std::string>& values) {
  key(k);
  body_ += '[';
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i) body_ += ',';
    appendJsonString(body_, values[i]);
  }
  body_ += ']';
  return *this;
}

}  // namespace qv::ui::script
