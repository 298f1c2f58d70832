#include "tests/browser/transcript_summary.h"

#include <cstdlib>

namespace qv::test {
namespace {

std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t nl = text.find('\n');
    const std::string_view line = text.substr(0, nl);
    if (!line.empty()) lines.push_back(line);
    if (nl == std::string_view::npos) break;
    text.remove_prefix(nl + 1);
  }
  return lines;
}

std::string readJsonString(std::string_view text, std::size_t& pos) {
  std::string out;
  for (++pos; pos < text.size() && text[pos] != '"'; ++pos) {
    char c = text[pos];
    if (c == '\\' && pos + 1 < text.size()) {
      c = text[++pos];
      switch (c) {
        case 'n':
          out += '\n';
          continue;
        case 'r':
          out += '\r';
          continue;
        case 't':
          out += '\t';
          continue;
        case 'u': {
          const long code = std::strtol(std::string(text.substr(pos + 1, 4)).c_str(), nullptr, 16);
          out += code < 0x80 ? static_cast<char>(code) : '?';
          pos += 4;
          continue;
        }
        default:
          break;
      }
    }
    out += c;
  }
  return out;
}

std::string summariseLine(std::string_view line) {
  const auto get = [&](std::string_view key) { return member(line, key).value_or(""); };
  const std::string event = get("event");
  if (event == "navigate") return "navigate " + get("url") + " [" + get("headers") + "]";
  if (event == "repaint") {
    if (!member(line, "id")) return "repaint " + get("dialog");
    const std::string id = get("id");
    if (get("kind") == "icon")
      return "repaint " + id + (get("visible") == "true" ? " shown" : " hidden");
    return "repaint " + id + " " + get("text");
  }
  if (event == "sleep") return "sleep " + get("ms");
  if (event == "timer") return "timer " + get("id") + " " + get("ms");
  if (event == "kill-timer") return "kill-timer " + get("id");
  if (event == "open-url") return "open-url " + get("url");
  if (event == "message")
    return "message " + get("text") + " / " + get("title") + " / " + get("icon");
  if (event == "open") return "open " + get("dialog") + " " + get("title");
  if (event == "show") return "show " + get("dialog");
  if (event == "close") return "close " + get("dialog") + " " + get("result");
  if (event == "exit") return "exit " + get("code");
  if (event == "script-error") return "script-error " + get("message");
  return event;
}

}  // namespace

std::optional<std::string> member(std::string_view line, std::string_view key) {
  const std::string pattern = "\"" + std::string(key) + "\":";
  std::size_t pos = line.find(pattern);
  if (pos == std::string_view::npos) return std::nullopt;
  pos += pattern.size();
  if (pos < line.size() && line[pos] == '"') return readJsonString(line, pos);
  const std::size_t end = line.find_first_of(",}]", pos);
  return std::string(line.substr(pos, end == std::string_view::npos ? end : end - pos));
}

std::optional<std::string> controlMember(std::string_view line, int id, std::string_view key) {
  const std::size_t start = line.find("{\"id\":" + std::to_string(id) + ",");
  if (start == std::string_view::npos) return std::nullopt;
  const std::size_t end = line.find('}', start);
  return member(line.substr(start, end == std::string_view::npos ? end : end - start + 1), key);
}

std::vector<std::string> summarise(std::string_view transcript) {
  std::vector<std::string> out;
  for (std::string_view line : splitLines(transcript)) out.push_back(summariseLine(line));
  return out;
}

std::vector<std::string> after(const std::vector<std::string>& lines, std::string_view prefix) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].starts_with(prefix))
      return {lines.begin() + static_cast<long>(i) + 1, lines.end()};
  }
  return lines;
}

std::vector<std::string> only(const std::vector<std::string>& lines,
                              std::initializer_list<std::string_view> prefixes) {
  std::vector<std::string> out;
  for (const std::string& line : lines) {
    for (std::string_view p : prefixes) {
      if (line.starts_with(p)) {
        out.push_back(line);
        break;
      }
    }
  }
  return out;
}

std::vector<std::string> eventLines(std::string_view transcript, std::string_view event) {
  std::vector<std::string> out;
  for (std::string_view line : splitLines(transcript)) {
    if (member(line, "event") == event) out.emplace_back(line);
  }
  return out;
}

}  // namespace qv::test
