#include "platform/ui/gtk/widget_text.h"

#include <glib.h>

namespace qv::ui::gtk {

std::string toUtf8(std::string_view text) {
  if (g_utf8_validate(text.data(), static_cast<gssize>(text.size()), nullptr)) {
    return std::string(text);
  }
  std::string out;
  for (char ch : text) {
    const auto byte = static_cast<unsigned char>(ch);
    if (byte < 0x80) {
      out += ch;
    } else {
      out += static_cast<char>(0xC0 | (byte >> 6));
      out += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return out;
}

std::string toMnemonic(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&') {
      if (i + 1 < text.size() && text[i + 1] == '&') {
        out += '&';
        ++i;
      } else {
        out += '_';
      }
    } else if (text[i] == '_') {
      out += "__";
    } else {
      out += text[i];
    }
  }
  return toUtf8(out);
}

std::string toLf(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      out += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string toCrLf(std::string_view text) {
  std::string out;
  for (char ch : text) {
    if (ch == '\n') out += '\r';
    out += ch;
  }
  return out;
}

long charsBefore(std::string_view text, std::size_t bytes) {
  if (bytes > text.size()) bytes = text.size();
  return g_utf8_strlen(text.data(), static_cast<gssize>(bytes));
}

std::size_t bytesBefore(std::string_view text, long chars) {
  std::size_t i = 0;
  for (long n = 0; n < chars && i < text.size(); ++n) {
    i = static_cast<std::size_t>(g_utf8_next_char(text.data() + i) - text.data());
  }
  return i > text.size() ? text.size() : i;
}

}  // namespace qv::ui::gtk
