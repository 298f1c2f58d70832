// Text helpers shared by both programs: fixed capacities kept as behaviour,
// case-insensitive tests and the C library's number conversion.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

// A text that a fixed buffer of `capacity` bytes (terminator included) would
// hold: at most capacity - 1 bytes. When the text is valid UTF-8 the cut is
// moved back to a character boundary, so no character is split.
std::string cutToCapacity(std::string_view text, std::size_t capacity);

// Letters compared without regard to case (ASCII, as the C locale does).
// Inline: the template engine compares tag beginnings at every "<" and "T".
inline char lowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
inline bool equalsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
  }
  return true;
}
inline bool startsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && equalsNoCase(text.substr(0, prefix.size()), prefix);
}
// Position of the first occurrence of `needle` in `text`, letters compared
// without case; npos when absent. An empty needle is found at 0.
std::size_t findNoCase(std::string_view text, std::string_view needle);
// True when `needle` occurs in `text`; false for an empty text or needle.
bool containsNoCase(std::string_view text, std::string_view needle);

// The C library's atol on a 32-bit long: leading white space, optional sign,
// decimal digits up to the first other character; 0 when nothing converts.
// Values beyond the 32-bit range saturate, as the Windows run time does.
std::int32_t atolText(std::string_view text);

// printf-style formatting into a std::string.
std::string formatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

bool isValidUtf8(std::string_view text);

}  // namespace qv
