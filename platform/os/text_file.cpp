#include "platform/os/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

#include "platform/os/regular_file.h"

namespace qv::os {
namespace {

// write(2) until every byte is taken; false on the first error.
bool writeAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

// A new file beside `target`, named after it and hidden; -1 when the folder
// takes no new file. The mode is the usual 0666 less the umask.
int createBeside(const std::string& target, std::string& name) {
  const std::string folder = folderOf(target);
  const std::size_t slash = target.rfind('/');
  const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
  auto seed = static_cast<unsigned long long>(
      std::chrono::steady_clock::now().time_since_epoch().count() ^ (::getpid() << 16));
  for (int attempt = 0; attempt < 100; ++attempt) {
    seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
    name = folder + "/." + base + "." + std::to_string(seed >> 40) + ".tmp";
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

int openForReplacing(const std::string& path, std::string& target, std::string& temporary) {
  target = followLinks(path);
  struct stat st;
  const bool exists = ::stat(target.c_str(), &st) == 0;
  if (exists && !S_ISREG(st.st_mode)) return -1;
  // The new file takes the old one's place by a rename, which the folder
  // allows even for a file the user may not write: ask first.
  if (exists && ::access(target.c_str(), W_OK) != 0) return -1;
  const int fd = createBeside(target, temporary);
  if (fd < 0) return -1;
  if (exists) {
    ::fchmod(fd, st.st_mode & 07777);
    if (::fchown(fd, st.st_uid, st.st_gid) != 0) {
      // Only root may give a file away; the new script is then the user's.
    }
  }
  return fd;
}

}  // namespace

// ---------------------------------------------------------------- reading

std::unique_ptr<TextReader> TextReader::open(const std::string& path) {
  const int fd = openRegularFile(path, O_RDONLY);
  if (fd < 0) return nullptr;
  return std::unique_ptr<TextReader>(new TextReader(fd));
}

TextReader::TextReader(int fd) : fd_(fd), buffer_(kBufferSize, '\0') {}

TextReader::~TextReader() {
  ::close(fd_);
}

bool TextReader::fill() {
  pos_ = 0;
  end_ = 0;
  if (eof_ || failed_) return false;
  for (;;) {
    const ssize_t n = ::read(fd_, buffer_.data(), buffer_.size());
    if (n > 0) {
      end_ = static_cast<std::size_t>(n);
      return true;
    }
    if (n == 0) {
      eof_ = true;
    } else if (errno == EINTR) {
      continue;
    } else {
      failed_ = true;
    }
    return false;
  }
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
  // A line cut short by a failed read is no line: the caller must not use
  // part of a file as if it were all of it.
  if (failed_) line.clear();
  return !line.empty();
}

// ---------------------------------------------------------------- writing

std::unique_ptr<TextWriter> TextWriter::open(const std::string& path, Mode mode) {
  std::string target;
  std::string temporary;
  int fd = -1;
  switch (mode) {
    case Mode::Truncate:
      fd = openRegularFile(path, O_WRONLY | O_CREAT | O_TRUNC);
      break;
    case Mode::Append:
      fd = openRegularFile(path, O_WRONLY | O_CREAT | O_APPEND);
      break;
    case Mode::Replace:
      fd = openForReplacing(path, target, temporary);
      break;
  }
  if (fd < 0) return nullptr;
  return std::unique_ptr<TextWriter>(new TextWriter(fd, std::move(target), std::move(temporary)));
}

TextWriter::TextWriter(int fd, std::string replacing, std::string temporary)
    : fd_(fd), target_(std::move(replacing)), temporary_(std::move(temporary)) {
  buffer_.reserve(kBufferSize + 2);
}

TextWriter::~TextWriter() {
  if (!temporary_.empty() && fd_ >= 0) failed_ = true;  // never closed: not put in place
  close();
}

void TextWriter::discardTemporary() {
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
  temporary_.clear();
}

bool TextWriter::flushBuffer() {
  if (!buffer_.empty() && !failed_) {
    if (!writeAll(fd_, buffer_.data(), buffer_.size())) failed_ = true;
  }
  buffer_.clear();
  return !failed_;
}

bool TextWriter::write(std::string_view text) {
  if (fd_ < 0 || failed_) return false;
  while (!text.empty()) {
    const auto* lf = static_cast<const char*>(std::memchr(text.data(), '\n', text.size()));
    const std::size_t plain = lf ? static_cast<std::size_t>(lf - text.data()) : text.size();
    buffer_.append(text.data(), plain);
    if (plain > 0) lastWasCr_ = text[plain - 1] == '\r';
    if (lf) {
      if (lastWasCr_) {
        buffer_.push_back('\n');
      } else {
        buffer_.append("\r\n", 2);
      }
      lastWasCr_ = false;
      text.remove_prefix(plain + 1);
    } else {
      text = {};
    }
    if (buffer_.size() >= kBufferSize && !flushBuffer()) return false;
  }
  return true;
}

bool TextWriter::close() {
  if (fd_ < 0) return !failed_;
  flushBuffer();
  // A replaced script must be on the disk before it takes the old one's
  // place, or a crash could leave neither.
  if (!temporary_.empty() && !failed_ && ::fsync(fd_) != 0) failed_ = true;
  if (::close(fd_) != 0) failed_ = true;
  fd_ = -1;
  if (!temporary_.empty()) {
    if (!failed_ && ::rename(temporary_.c_str(), target_.c_str()) != 0) failed_ = true;
    if (failed_) {
      discardTemporary();
    } else {
      temporary_.clear();
    }
  }
  return !failed_;
}

}  // namespace qv::os
