// Text files with Windows text-mode semantics, so that scripts written here
// are byte-identical to the ones the Windows tools write: a CR before an LF is
// dropped on reading, every LF is written as CR LF, and a line read takes at
// most capacity - 1 bytes like fgets.
//
// Only the CR LF translation of the Windows text mode is kept; a Ctrl-Z byte
// is ordinary data here (the Windows run time would end a read there). Only
// regular files are opened (platform/os/regular_file.h).
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace qv::os {

class TextReader {
 public:
  // Bytes read from the file at a time (one read into an internal buffer).
  static constexpr std::size_t kBufferSize = 64 * 1024;

  // Null when the file cannot be opened for reading or is no regular file.
  static std::unique_ptr<TextReader> open(const std::string& path);
  ~TextReader();
  TextReader(const TextReader&) = delete;
  TextReader& operator=(const TextReader&) = delete;

  // Reads the next line as fgets does with a buffer of `capacity` bytes: up to
  // and including the line feed, but at most capacity - 1 bytes, so a longer
  // line is read as several. False at the end of the file (nothing read), and
  // from the first failed read on: failed() then tells the two apart.
  // The capacity counts bytes after translation: "ab\r\n" fits in 4. A CR
  // followed by LF is dropped even when the two lie in different reads; a CR
  // not followed by LF (also one at the end of the file) is kept. A capacity
  // below 2, which fgets would answer with an empty line forever, reads
  // nothing and returns false.
  bool readLine(std::string& line, std::size_t capacity);
  // A read failed (EIO, ...): what was read is not the whole file.
  bool failed() const { return failed_; }

 private:
  explicit TextReader(int fd);
  bool fill();

  int fd_;
  std::string buffer_;  // kBufferSize bytes; [pos_, end_) not yet read
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  bool eof_ = false;
  bool failed_ = false;
};

class TextWriter {
 public:
  enum class Mode {
    Truncate,  // empties the file (created when missing) and writes into it
    Append,    // writes after what the file holds (created when missing)
    // Writes a new file beside the target, which takes the target's place
    // (with its permission bits) only when close() succeeds; until then, and
    // after any failure, the target keeps exactly what it held, or stays
    // absent. A link is followed: the file it names is replaced.
    Replace,
  };
  // Bytes kept before they are written to the file.
  static constexpr std::size_t kBufferSize = 64 * 1024;

  // Null when the file cannot be opened for writing, is no regular file, or
  // (Replace) is not writable or its folder takes no new file.
  static std::unique_ptr<TextWriter> open(const std::string& path, Mode mode);
  ~TextWriter();
  TextWriter(const TextWriter&) = delete;
  TextWriter& operator=(const TextWriter&) = delete;

  // Writes text, every LF as CR LF. A CR already before the LF, also at the
  // end of the previous write, makes the pair and is not doubled; a lone CR
  // is written as it is. False once any write has failed, and after close().
  bool write(std::string_view text);
  bool write(char c) { return write(std::string_view(&c, 1)); }
  // Flushes and closes (Replace: and puts the file in the target's place);
  // false when anything written was lost (a full disk shows here at the
  // latest). Idempotent: a second call returns the same answer. The
  // destructor closes without telling; for Replace it leaves the target as
  // it was unless close() was called.
  bool close();
  bool failed() const { return failed_; }

 private:
  TextWriter(int fd, std::string replacing, std::string temporary);
  bool flushBuffer();
  void discardTemporary();

  int fd_;
  std::string target_;     // Replace: the file to put in place at close()
  std::string temporary_;  // Replace: the file written meanwhile
  std::string buffer_;
  bool lastWasCr_ = false;
  bool failed_ = false;
};

}  // namespace qv::os
