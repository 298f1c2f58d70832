#include "platform/base/text.h"

#include <cstdarg>
#include <cstdio>
#include <limits>

namespace qv {
namespace {

bool isSpaceC(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

bool isValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto c = static_cast<unsigned char>(text[i]);
    std::size_t extra = 0;
    std::uint32_t min = 0;
    if (c < 0x80) {
      ++i;
      continue;
    } else if ((c & 0xE0) == 0xC0) {
      extra = 1;
      min = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
      extra = 2;
      min = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
      extra = 3;
      min = 0x10000;
    } else {
      return false;
    }
    if (i + extra >= text.size()) return false;
    std::uint32_t cp = c & (0x3F >> extra);
    for (std::size_t k = 1; k <= extra; ++k) {
      const auto cc = static_cast<unsigned char>(text[i + k]);
      if ((cc & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (cc & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += extra + 1;
  }
  return true;
}

std::string cutToCapacity(std::string_view text, std::size_t capacity) {
  if (capacity == 0) return {};
  const std::size_t limit = capacity - 1;
  if (text.size() <= limit) return std::string(text);
  std::size_t cut = limit;
  if (isValidUtf8(text)) {
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  }
  return std::string(text.substr(0, cut));
}

std::size_t findNoCase(std::string_view text, std::string_view needle) {
  if (needle.empty()) return 0;
  if (needle.size() > text.size()) return std::string_view::npos;
  const char first = lowerAscii(needle[0]);
  for (std::size_t i = 0; i + needle.size() <= text.size(); ++i) {
    if (lowerAscii(text[i]) == first && equalsNoCase(text.substr(i, needle.size()), needle)) {
      return i;
    }
  }
  return std::string_view::npos;
}

bool containsNoCase(std::string_view text, std::string_view needle) {
  if (text.empty() || needle.empty()) return false;
  return findNoCase(text, needle) != std::string_view::npos;
}

std::int32_t atolText(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && isSpaceC(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  std::int64_t value = 0;
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  bool overflow = false;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (!overflow) {
      value = value * 10 + (text[i] - '0');
      if (value > kMax + 1) overflow = true;
    }
  }
  if (negative) {
    if (overflow || value > kMax + 1) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(-value);
  }
  if (overflow || value > kMax) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(value);
}

std::string formatText(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  const int needed = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string out;
  if (needed > 0) {
    out.resize(static_cast<std::size_t>(needed));
    std::vsnprintf(out.data(), out.size() + 1, format, args);
  }
  va_end(args);
  return out;
}

}  // namespace qv
