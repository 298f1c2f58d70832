#include "platform/os/text_file.h"

#include <algorithm>
#include <cstring>

namespace qv::os {

// ---------------------------------------------------------------- reading

std::unique_ptr<TextReader> TextReader::open(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return nullptr;
  // The reader keeps its own buffer; stdio's would only copy twice.
  std::setvbuf(file, nullptr, _IONBF, 0);
  return std::unique_ptr<TextReader>(new TextReader(file));
}

TextReader::TextReader(std::FILE* file) : file_(file), buffer_(kBufferSize, '\0') {}

TextReader::~TextReader() {
  std::fclose(file_);
}

bool TextReader::fill() {
  pos_ = 0;
  end_ = 0;
  if (eof_) return false;
  end_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
  if (end_ < buffer_.size()) eof_ = true;  // end of file or a read error
  return end_ > 0;
}

bool TextReader::readLine(std::string& line, std::size_t capacity) {
  line.clear();
  if (capacity < 2) return false;
  const std::size_t limit = capacity - 1;
  const char* const data = buffer_.data();
  while (line.size() < limit) {
    if (pos_ == end_ && !fill()) break;
    const char* const start = data + pos_;
    const std::size_t raw = std::min(end_ - pos_, limit - line.size());
    const auto* lf = static_cast<const char*>(std::memchr(start, '\n', raw));
    if (lf) {
      // The first LF ends the line; the only CR that can belong to it is the
      // byte just before it (one at the end of an earlier piece was settled
      // when that piece was taken).
      const std::size_t taken = static_cast<std::size_t>(lf - start) + 1;
      if (taken >= 2 && lf[-1] == '\r') {
        line.append(start, taken - 2);
        line.push_back('\n');
      } else {
        line.append(start, taken);
      }
      pos_ += taken;
      return true;
    }
    if (start[raw - 1] != '\r') {
      line.append(start, raw);
      pos_ += raw;
      continue;
    }
    // The piece ends with a CR: what follows decides whether it is kept. The
    // next byte may lie beyond this buffer (a CR LF split by a refill).
    line.append(start, raw - 1);
    pos_ += raw;
    if (pos_ == end_ && !fill()) {
      line.push_back('\r');  // a CR at the end of the file is kept
      break;
    }
    if (data[pos_] == '\n') {
      ++pos_;
      line.push_back('\n');
      return true;
    }
    line.push_back('\r');
  }
  return !line.empty();
}

// ---------------------------------------------------------------- writing

std::unique_ptr<TextWriter> TextWriter::open(const std::string& path, Mode mode) {
  std::FILE* file = std::fopen(path.c_str(), mode == Mode::Append ? "ab" : "wb");
  if (!file) return nullptr;
  // The writer keeps its own buffer, so every fwrite goes to the file at once
  // and its result tells whether the bytes were written.
  std::setvbuf(file, nullptr, _IONBF, 0);
  return std::unique_ptr<TextWriter>(new TextWriter(file));
}

TextWriter::TextWriter(std::FILE* file) : file_(file) {
  buffer_.reserve(kBufferSize + 2);
}

TextWriter::~TextWriter() {
  close();
}

bool TextWriter::flushBuffer() {
  if (!buffer_.empty() && !failed_) {
    if (std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) failed_ = true;
  }
  buffer_.clear();
  return !failed_;
}

bool TextWriter::write(std::string_view text) {
  if (!file_ || failed_) return false;
  while (!text.empty()) {
    const auto* lf = static_cast<const char*>(std::memchr(text.data(), '\n', text.size()));
    const std::size_t plain = lf ? static_cast<std::size_t>(lf - text.data()) : text.size();
    buffer_.append(text.data(), plain);
    if (lf) {
      buffer_.append("\r\n", 2);
      text.remove_prefix(plain + 1);
    } else {
      text = {};
    }
    if (buffer_.size() >= kBufferSize && !flushBuffer()) return false;
  }
  return true;
}

bool TextWriter::close() {
  if (!file_) return !failed_;
  flushBuffer();
  if (std::fclose(file_) != 0) failed_ = true;
  file_ = nullptr;
  return !failed_;
}

}  // namespace qv::os
