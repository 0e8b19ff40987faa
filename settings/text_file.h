#pragma once
// Reading and writing the program's text files: single-byte text, lines ending
// at LF, CR LF or CR when read; written files replace their old version only
// once they are complete.

#include <cstdint>
#include <string>
#include <string_view>

// `name` in `directory`; an empty directory is the working directory.
std::string pathInDirectory(const std::string& directory, const std::string& name);

// Appends `value` as one line of a settings file with the line end CR LF. A
// line break inside the value becomes a blank, so that every later value
// stays on its own line.
void appendFileLine(std::string& out, std::string_view value);

// Reads a regular file line by line through a fixed buffer, so that a file of
// any size takes memory for its longest line only.
class LineReader {
 public:
  explicit LineReader(const std::string& path);
  // Reads an open descriptor of any kind (standard input, a pipe); it stays open.
  explicit LineReader(int fd) : fd_(fd), ownsDescriptor_(false) {}
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  // False when the file could not be opened or is no regular file (a
  // directory, a device); `error()` then says why.
  bool isOpen() const { return fd_ >= 0; }

  // The next line without its line end; false at the end of the file or after
  // a read error. A last line without line end is still a line.
  bool next(std::string& line);

  // True when next() would wait for input: no whole line is buffered and
  // the descriptor has nothing ready (neither data nor its end).
  bool nextWouldWait() const;

  bool failed() const { return !error_.empty(); }
  const std::string& error() const { return error_; }
  std::uint64_t fileSize() const { return fileSize_; }
  std::uint64_t bytesRead() const { return bytesRead_; }

 private:
  bool fill();

  int fd_ = -1;
  std::string error_;
  std::uint64_t fileSize_ = 0;
  std::uint64_t bytesRead_ = 0;
  char buffer_[1 << 16];
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  bool atEnd_ = false;
  bool skipLineFeed_ = false;  // the last line ended with CR: a following LF belongs to it
  bool ownsDescriptor_ = true;
};

// The first `count` lines of a file; lines past its end are empty, and
// `*present` (if given) tells how many the file has, up to `count`. False
// when the file cannot be read (missing, unreadable, no regular file).
bool readFirstLines(const std::string& path, std::size_t count, std::string lines[],
                    std::size_t* present = nullptr);

// Writes a file through a temporary file in the same directory that is renamed
// over the target only when everything was written and flushed. Until then,
// and whenever anything fails, the old file stays as it was and no partial
// file is left behind.
class AtomicFileWriter {
 public:
  explicit AtomicFileWriter(std::string targetPath);
  ~AtomicFileWriter();  // discards the temporary file unless committed
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  bool isOpen() const { return fd_ >= 0; }
  void write(std::string_view text);
  // Flushes, syncs and renames the temporary file to the target. False (with
  // `error()`) if anything failed since the writer was created.
  bool commit();
  const std::string& error() const { return error_; }

 private:
  void writeThrough(std::string_view text);
  void flushBuffer();
  void fail(const std::string& what, int errorNumber);
  void discard();

  std::string targetPath_;
  std::string tempPath_;
  int fd_ = -1;
  std::string buffer_;
  std::string error_;
};

// The whole content at once, atomically. The error text is left in `*error`.
bool writeFileAtomically(const std::string& path, std::string_view content,
                         std::string* error = nullptr);
