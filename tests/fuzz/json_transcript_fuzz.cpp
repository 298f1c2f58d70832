// The transcript's JSON writer on any bytes: every line parses as JSON, and
// its string decodes to the documented mapping (valid UTF-8 as it stands,
// any other byte as the character of the same number). The oracle below
// reads UTF-8 by the table of well-formed byte sequences, not by the
// writer's arithmetic.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/script/json_line.h"

namespace {

[[noreturn]] void fail() {
  std::abort();
}

bool in(unsigned char c, unsigned lo, unsigned hi) {
  return c >= lo && c <= hi;
}

// Length of the well-formed sequence at s[i] (Unicode's table 3-7), else 0.
std::size_t wellFormed(std::string_view s, std::size_t i) {
  auto at = [&](std::size_t k) -> int {
    return i + k < s.size() ? static_cast<unsigned char>(s[i + k]) : -1;
  };
  auto cont = [&](std::size_t k, unsigned lo = 0x80, unsigned hi = 0xBF) {
    const int c = at(k);
    return c >= 0 && in(static_cast<unsigned char>(c), lo, hi);
  };
  const auto c = static_cast<unsigned char>(s[i]);
  if (c <= 0x7F) return 1;
  if (in(c, 0xC2, 0xDF)) return cont(1) ? 2 : 0;
  if (c == 0xE0) return cont(1, 0xA0, 0xBF) && cont(2) ? 3 : 0;
  if (in(c, 0xE1, 0xEC) || in(c, 0xEE, 0xEF)) return cont(1) && cont(2) ? 3 : 0;
  if (c == 0xED) return cont(1, 0x80, 0x9F) && cont(2) ? 3 : 0;
  if (c == 0xF0) return cont(1, 0x90, 0xBF) && cont(2) && cont(3) ? 4 : 0;
  if (in(c, 0xF1, 0xF3)) return cont(1) && cont(2) && cont(3) ? 4 : 0;
  if (c == 0xF4) return cont(1, 0x80, 0x8F) && cont(2) && cont(3) ? 4 : 0;
  return 0;
}

std::uint32_t codePoint(std::string_view s, std::size_t i, std::size_t n) {
  const auto c = static_cast<unsigned char>(s[i]);
  if (n == 1) return c;
  std::uint32_t cp = c & (0x7F >> n);
  for (std::size_t k = 1; k < n; ++k)
    cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
  return cp;
}

std::vector<std::uint32_t> expected(std::string_view bytes) {
  std::vector<std::uint32_t> out;
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t n = wellFormed(bytes, i);
    out.push_back(n ? codePoint(bytes, i, n) : static_cast<unsigned char>(bytes[i]));
    i += n ? n : 1;
  }
  return out;
}

class Parser {
 public:
  explicit Parser(std::string_view text) : t_(text) {}

  void expect(std::string_view literal) {
    if (t_.substr(p_, literal.size()) != literal) fail();
    p_ += literal.size();
  }
  bool atEnd() const { return p_ == t_.size(); }

  unsigned hex4() {
    if (p_ + 4 > t_.size()) fail();
    unsigned v = 0;
    for (int k = 0; k < 4; ++k) {
      const char c = t_[p_++];
      v <<= 4;
      if (c >= '0' && c <= '9') {
        v |= static_cast<unsigned>(c - '0');
      } else if (c >= 'a' && c <= 'f') {
        v |= static_cast<unsigned>(c - 'a' + 10);
      } else if (c >= 'A' && c <= 'F') {
        v |= static_cast<unsigned>(c - 'A' + 10);
      } else {
        fail();
      }
    }
    return v;
  }

  // A JSON string, as code points.
  std::vector<std::uint32_t> string() {
    expect("\"");
    std::vector<std::uint32_t> out;
    for (;;) {
      if (p_ >= t_.size()) fail();
      const auto c = static_cast<unsigned char>(t_[p_]);
      if (c == '"') {
        ++p_;
        return out;
      }
      if (c < 0x20) fail();  // raw control characters are not JSON
      if (c == '\\') {
        ++p_;
        if (p_ >= t_.size()) fail();
        const char e = t_[p_++];
        switch (e) {
          case '"':
            out.push_back('"');
            break;
          case '\\':
            out.push_back('\\');
            break;
          case '/':
            out.push_back('/');
            break;
          case 'b':
            out.push_back('\b');
            break;
          case 'f':
            out.push_back('\f');
            break;
          case 'n':
            out.push_back('\n');
            break;
          case 'r':
            out.push_back('\r');
            break;
          case 't':
            out.push_back('\t');
            break;
          case 'u': {
            const unsigned u = hex4();
            if (u >= 0xD800 && u <= 0xDFFF) fail();  // the writer never splits pairs
            out.push_back(u);
            break;
          }
          default:
            fail();
        }
        continue;
      }
      const std::size_t n = wellFormed(t_, p_);
      if (n == 0) fail();  // a JSON text is UTF-8
      out.push_back(codePoint(t_, p_, n));
      p_ += n;
    }
  }

 private:
  std::string_view t_;
  std::size_t p_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  qv::ui::script::JsonObject object;
  object.add("event", "fuzz").add("text", bytes).add("n", static_cast<long long>(size));
  const std::string line = object.str();
  if (line.find('\n') != std::string::npos) fail();  // one event, one line
  Parser parser(line);
  parser.expect("{\"event\":\"fuzz\",\"text\":");
  if (parser.string() != expected(bytes)) fail();
  parser.expect(",\"n\":" + std::to_string(size) + "}");
  if (!parser.atEnd()) fail();
  return 0;
}
