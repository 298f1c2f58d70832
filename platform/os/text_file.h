// Text files with Windows text-mode semantics, so that scripts written here
// are byte-identical to the ones the Windows tools write: a CR before an LF is
// dropped on reading, every LF is written as CR LF, and a line read takes at
// most capacity - 1 bytes like fgets.
//
// Only the CR LF translation of the Windows text mode is kept; a Ctrl-Z byte
// is ordinary data here (the Windows run time would end a read there).
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace qv::os {

class TextReader {
 public:
  // Bytes read from the file at a time (one fread into an internal buffer).
  static constexpr std::size_t kBufferSize = 64 * 1024;

  // Null when the file cannot be opened for reading.
  static std::unique_ptr<TextReader> open(const std::string& path);
  ~TextReader();
  TextReader(const TextReader&) = delete;
  TextReader& operator=(const TextReader&) = delete;

  // Reads the next line as fgets does with a buffer of `capacity` bytes: up to
  // and including the line feed, but at most capacity - 1 bytes, so a longer
  // line is read as several. False at the end of the file (nothing read).
  // The capacity counts bytes after translation: "ab\r\n" fits in 4. A CR
  // followed by LF is dropped even when the two lie in different reads; a CR
  // not followed by LF (also one at the end of the file) is kept. A capacity
  // below 2, which fgets would answer with an empty line forever, reads
  // nothing and returns false. A read error counts as the end of the file.
  bool readLine(std::string& line, std::size_t capacity);

 private:
  explicit TextReader(std::FILE* file);
  bool fill();

  std::FILE* file_;
  std::string buffer_;  // kBufferSize bytes; [pos_, end_) not yet read
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  bool eof_ = false;
};

class TextWriter {
 public:
  enum class Mode { Truncate, Append };
  // Bytes kept before they are written to the file.
  static constexpr std::size_t kBufferSize = 64 * 1024;

  // Null when the file cannot be opened for writing (created when missing).
  static std::unique_ptr<TextWriter> open(const std::string& path, Mode mode);
  ~TextWriter();
  TextWriter(const TextWriter&) = delete;
  TextWriter& operator=(const TextWriter&) = delete;

  // Writes text, every LF as CR LF (a CR already before it is kept, as the
  // Windows run time does: "\r\n" becomes "\r\r\n"). False once any write
  // has failed, and after close().
  bool write(std::string_view text);
  bool write(char c) { return write(std::string_view(&c, 1)); }
  // Flushes and closes; false when anything written was lost (a full disk,
  // /dev/full, shows here at the latest). Idempotent: a second call returns
  // the same answer. The destructor closes without telling.
  bool close();
  bool failed() const { return failed_; }

 private:
  explicit TextWriter(std::FILE* file);
  bool flushBuffer();

  std::FILE* file_;
  std::string buffer_;
  bool failed_ = false;
};

}  // namespace qv::os
