#pragma once
// Reading and writing the program's text files: single-byte text, lines ending
// at LF, CR LF or CR when read; written files replace their old version only
// once they are complete.

#include <cstdint>
#include <utility>
#include <vector>
#include <memory>
#include <string>
#include <string_view>

namespace kortavex {

// `name` in `directory`; an empty directory is the working directory.
std::string pathInDirectory(const std::string& directory, const std::string& name);

// Appends `value` as one line of a settings file with the line end CR LF. A
// line break inside the value becomes a blank, so that every later value
// stays on its own line.
void appendFileLine(std::string& out, std::string_view value);

// No coordinate, options or parameter line comes near this length. A longer
// line is refused or streamed through in parts, so that memory stays bounded
// whatever a file holds.
inline constexpr std::size_t kLongestLine = 1 << 20;

// A directory entry or an open file as a writer or a run sees it: what it
// is, which file it is, and its size and modification time, so that a file
// appended to or cut short is told from the file it was.
struct FileIdentity {
  bool exists = false;
  bool regular = false;
  bool directory = false;  // never replaced by a file: no question about it, no --force
  bool special = false;    // a device, FIFO or socket (see fileIdentity): never replaced by a file either
  std::uint64_t device = 0, inode = 0;
  std::uint64_t size = 0;
  std::int64_t modified = 0;  // nanoseconds since 1970
  std::int64_t statusChanged = 0;  // likewise; no one can set it back, as touch -r does the other
  unsigned permissions = 0;   // the bits rwxrwxrwx
  // The same file, unchanged.
  bool operator==(const FileIdentity& other) const {
    return unchangedButRenamed(other) && statusChanged == other.statusChanged;
  }
  // The same file, unchanged but for the status-change time that a rename sets.
  bool unchangedButRenamed(const FileIdentity& other) const {
    return exists == other.exists && device == other.device && inode == other.inode && size == other.size &&
           modified == other.modified;
  }
  // The same file, changed or not.
  bool sameFile(const FileIdentity& other) const {
    return exists && other.exists && device == other.device && inode == other.inode;
  }
};

// Reads a regular file line by line through a fixed buffer, so that a file of
// any size takes memory for one line of at most kLongestLine bytes.
class LineReader {
 public:
  // Opens without blocking: a FIFO, a device or a directory is refused.
  explicit LineReader(const std::string& path);
  // Reads an open descriptor of any kind (standard input, a pipe); it stays
  // open. `name` stands for it in messages.
  explicit LineReader(int fd, std::string name = "standard input");
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  // False when the file could not be opened or is no regular file (a
  // directory, a device, a FIFO); `error()` then says why.
  bool isOpen() const { return fd_ >= 0; }
  // The file could not be opened because it does not exist.
  bool missing() const { return missing_; }

  // The next line without its line end; false at the end of the file, after
  // a read error, or at a line longer than kLongestLine (`longLine()` then
  // gives its number). A last line without line end is still a line.
  bool next(std::string& line);

  // True when next() would wait for input: no whole line is buffered and
  // the descriptor has nothing ready (neither data nor its end).
  bool nextWouldWait() const;
  // The same, but a line longer than kLongestLine comes in parts of at most
  // that length: `complete` is false for every part but the last.
  bool nextPart(std::string& part, bool& complete);

  bool failed() const { return !error_.empty(); }
  const std::string& error() const { return error_; }
  // The path, or the name given for a descriptor.
  const std::string& name() const { return name_; }
  std::uint64_t longLine() const { return longLine_; }  // 0: none was met
  std::uint64_t fileSize() const { return opened_.size; }
  std::uint64_t bytesRead() const { return bytesRead_; }

  // The bits rwxrwxrwx of the file read, which its copy takes; 0666 for a
  // pipe or a terminal.
  unsigned permissions() const;
  // True when the file read changed while it was read: another size or
  // modification time, or, read by name, another file or none at that name.
  // A pipe or a terminal never does.
  bool changed() const;
  // Makes changed() also true when the file opened is not `before`, the file
  // as it was found before an earlier pass over it (its encoding).
  void unchangedSince(const FileIdentity& before);

 private:
  bool fill();

  int fd_ = -1;
  std::string name_;
  std::string error_;
  bool missing_ = false;
  bool withinLine_ = false;  // the last part ended before its line did
  std::uint64_t lineNumber_ = 0;
  std::uint64_t longLine_ = 0;
  std::uint64_t bytesRead_ = 0;
  // on the heap: a reader on the stack must not need 64 KiB of it, which an
  // address-space limit can refuse with no way to report it
  static constexpr std::size_t kBufferSize = 1 << 16;
  std::unique_ptr<char[]> buffer_ = std::make_unique<char[]>(kBufferSize);
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  bool atEnd_ = false;
  bool skipLineFeed_ = false;  // the last line ended with CR: a following LF belongs to it
  bool ownsDescriptor_ = true;
  FileIdentity opened_;  // what is read, as it was when opened
  bool changedBefore_ = false;  // see unchangedSince
};

// Gives back the memory of lines much longer than coordinate lines, so that
// strings kept from one batch of lines to the next stay small in sum.
void releaseLongLines(std::vector<std::string>& lines);

// What reading the first lines of a file found.
struct FirstLines {
  bool read = false;         // false: missing, unreadable, no regular file, a line too long
  bool missing = false;      // there is no such file
  std::string error;         // why it was not read
  std::uint64_t longLine = 0;  // the line longer than kLongestLine, if that was why
  std::size_t present = 0;   // how many lines the file has, up to the count asked for
};

// The first `count` lines of a file; lines past its end are empty.
FirstLines readFirstLines(const std::string& path, std::size_t count, std::string lines[]);

// Which file a writer may replace: the one that was at the target when the
// user agreed to replace it (a file that was replaced or changed since is
// another one), or, when there was none, nothing at all. The directory entry
// at `path` now: a symbolic link is itself the entry a copy may replace,
// never the file it points to; a link to a directory, a device, a FIFO or a
// socket counts as what it points to, which no file replaces, and so does a
// link into /proc (/dev/stdout: a process's open file).
FileIdentity fileIdentity(const std::string& path);
// The file at the end of `path`'s symbolic links.
FileIdentity linkedFileIdentity(const std::string& path);
// The file an open descriptor reads or writes (standard input or output).
FileIdentity descriptorIdentity(int fd);

// Both paths name one existing file, through symbolic links and hard links.
bool sameFile(const std::string& a, const std::string& b);

// Opens the FIFO or terminal at the end of `path`'s links for writing, as a
// shell's ">" does (a FIFO waits for its reader); -1 for any other file, and
// for one that cannot be opened, with the reason in `error`.
int openPipeOrTerminal(const std::string& path, std::string& error);
void closeDescriptor(int fd);

// Writes a file through a temporary file in the target's directory (an
// unnamed one where the file system allows, else a hidden name that is
// removed on SIGINT, SIGTERM, SIGHUP and SIGXFSZ) that takes the target's
// place only when everything was written and flushed. Until then, and
// whenever anything fails, the old file stays as it was and no partial file
// is left behind. A symbolic link as target is written through: its final
// target gets the new content and keeps its permission bits.
class AtomicFileWriter {
 public:
  // Replaces whatever file is at the target, through symbolic links (a
  // settings file kept elsewhere and linked into the working directory).
  explicit AtomicFileWriter(std::string targetPath);
  // Replaces only `replaceable`, a symbolic link as the link itself; another
  // file found at the target, or the replaceable one changed, is kept
  // (`targetKept()`). A new file gets `permissions` within the umask, as
  // cp gives a copy its source's; a replaced file keeps its own.
  AtomicFileWriter(std::string targetPath, const FileIdentity& replaceable, unsigned permissions = 0666);
  ~AtomicFileWriter();  // discards the temporary file unless committed
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  bool isOpen() const { return fd_ >= 0; }
  void write(std::string_view text);
  // Flushes, syncs and puts the file in the target's place. False (with
  // `error()`) if anything failed since the writer was created, or if
  // another file than the replaceable one stood at the target.
  bool commit();
  bool targetKept() const { return targetKept_; }
  const std::string& error() const { return error_; }

 private:
  void open();
  bool putInPlace();
  bool targetReplaceable();
  bool nameTemporaryFile();
  bool placeWithoutReplacing();
  bool replaceOnlyReplaceable();
  void writeThrough(std::string_view text);
  void flushBuffer();
  void fail(const std::string& what, int errorNumber);
  void keepTarget();
  void discard();
  void forgetName(bool remove);

  std::string targetPath_;  // symbolic links resolved when any file may be replaced
  std::string tempPath_;    // empty while the temporary file has no name
  int tempSlot_ = -1;       // its entry among the names removed on a signal
  bool replaceAny_ = true;
  FileIdentity replaceable_;
  unsigned permissions_ = 0666;
  int fd_ = -1;
  std::string buffer_;
  std::string error_;
  bool targetKept_ = false;
};

// The whole content at once, atomically, replacing whatever is there or only
// `replaceable`. The error text is left in `*error`.
bool writeFileAtomically(const std::string& path, std::string_view content,
                         std::string* error = nullptr);
bool writeFileAtomically(const std::string& path, const FileIdentity& replaceable,
                         std::string_view content, std::string* error = nullptr);

}  // namespace kortavex
