#include "files/text_file.h"

#include <atomic>
#include <cerrno>
#include <cstring>

#include "files/platform.h"
#include "files/temporary_files.h"

namespace kortavex {

namespace {

std::string describe(const std::string& what, int errorNumber) {
  return what + ": " + platform::errorText(errorNumber);
}

// Why a file cannot be read or replaced as the file it should be.
std::string noRegularFile(const std::string& path, const FileIdentity& found) {
  return found.directory ? describe(path, EISDIR) : path + ": not a regular file";
}

constexpr std::size_t kWriteBufferSize = 1 << 20;

// "dir/" for "dir/name", "" for a bare name.
std::string directoryOf(const std::string& path) {
  const std::size_t slash = platform::lastSeparator(path);
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The path a write through `path` ends at: its symbolic links followed, also
// a dangling one (writing through it creates its target, as a shell's ">" does).
std::string throughSymbolicLinks(std::string path) {
  for (int depth = 0; depth < 40; ++depth) {
    const std::string target = platform::linkTarget(path);
    if (target.empty()) break;
    path = target[0] == '/' ? target : directoryOf(path) + target;
  }
  return path;
}

// A link into /proc (/dev/stdout, /dev/stderr) names an open file of a
// process, whatever that is: a system link that no copy may take the place of.
bool leadsIntoProc(const std::string& path) { return platform::linkTarget(path).rfind("/proc/", 0) == 0; }

}  // namespace

std::string pathInDirectory(const std::string& directory, const std::string& name) {
  if (directory.empty()) return name;
  if (platform::lastSeparator(directory) == directory.size() - 1) return directory + name;
  return directory + "/" + name;
}

void appendFileLine(std::string& out, std::string_view value) {
  for (char c : value) out += (c == '\r' || c == '\n') ? ' ' : c;
  out += "\r\n";
}

// ---------------------------------------------------------------- LineReader

LineReader::LineReader(const std::string& path) : name_(path) {
  if (path.find('\0') != std::string::npos) {
    error_ = path + ": invalid file name";
    return;
  }
  FileIdentity opened;
  int errorNumber = 0;
  const int fd = platform::openForReading(path, opened, errorNumber);
  if (fd < 0) {
    missing_ = errorNumber == ENOENT;
    error_ = describe(path, errorNumber);
    return;
  }
  if (!opened.regular) {
    error_ = noRegularFile(path, opened);
    platform::closeFile(fd);
    return;
  }
  fd_ = fd;
  opened_ = opened;
}

LineReader::LineReader(int fd, std::string name)
    : fd_(fd), name_(std::move(name)), ownsDescriptor_(false), opened_(descriptorIdentity(fd)) {}

unsigned LineReader::permissions() const { return opened_.regular ? opened_.permissions : 0666; }

void LineReader::unchangedSince(const FileIdentity& before) {
  changedBefore_ = opened_.regular && !(before == opened_);
}

bool LineReader::changed() const {
  if (!opened_.regular) return false;
  if (changedBefore_) return true;
  if (!(descriptorIdentity(fd_) == opened_)) return true;
  // read by name: the name must still be the file that was read
  return ownsDescriptor_ && !(linkedFileIdentity(name_) == opened_);
}

LineReader::~LineReader() {
  if (fd_ >= 0 && ownsDescriptor_) platform::closeFile(fd_);
}

bool LineReader::fill() {
  if (atEnd_ || fd_ < 0) return false;
  int errorNumber = 0;
  const long long got = platform::readSome(fd_, buffer_.get(), kBufferSize, errorNumber);
  if (got > 0) {
    pos_ = 0;
    end_ = static_cast<std::size_t>(got);
    bytesRead_ += static_cast<std::uint64_t>(got);
    return true;
  }
  if (got < 0) error_ = describe("read error", errorNumber);
  atEnd_ = true;
  return false;
}

bool LineReader::nextWouldWait() const {
  if (atEnd_ || fd_ < 0) return false;
  std::size_t from = pos_;
  if (skipLineFeed_ && from < end_ && buffer_[from] == '\n') ++from;  // the end of the last line
  const char* start = buffer_.get() + from;
  if (std::memchr(start, '\n', end_ - from) || std::memchr(start, '\r', end_ - from)) return false;
  return !platform::inputReady(fd_);
}

bool LineReader::nextPart(std::string& part, bool& complete) {
  part.clear();
  complete = true;
  if (failed()) return false;
  bool any = withinLine_;  // something belongs to this line: a byte or its line end
  if (!withinLine_) ++lineNumber_;
  withinLine_ = false;
  for (;;) {
    if (pos_ == end_ && !fill()) {
      if (!any) --lineNumber_;
      return any && !failed();
    }
    if (skipLineFeed_) {
      skipLineFeed_ = false;
      if (buffer_[pos_] == '\n') {
        ++pos_;
        continue;
      }
    }
    const char* start = buffer_.get() + pos_;
    const std::size_t available = std::min(end_ - pos_, kLongestLine - part.size());
    const char* stop = static_cast<const char*>(std::memchr(start, '\n', available));
    const char* cr = static_cast<const char*>(std::memchr(start, '\r', stop ? stop - start : available));
    if (cr) stop = cr;
    if (!stop) {
      part.append(start, available);
      pos_ += available;
      any = true;
      if (part.size() < kLongestLine) continue;
      // the line may end right here; otherwise it goes on in the next part
      if (pos_ == end_ && !fill()) return !failed();
      const char next = buffer_[pos_];
      if (next == '\n' || next == '\r') {
        ++pos_;
        skipLineFeed_ = next == '\r';
      } else {
        complete = false;
        withinLine_ = true;
      }
      return true;
    }
    part.append(start, static_cast<std::size_t>(stop - start));
    pos_ += static_cast<std::size_t>(stop - start) + 1;
    skipLineFeed_ = *stop == '\r';
    return true;
  }
}

bool LineReader::next(std::string& line) {
  bool complete = true;
  if (!nextPart(line, complete)) return false;
  if (complete) return true;
  longLine_ = lineNumber_;
  error_ = name_ + ", line " + std::to_string(lineNumber_) + ": longer than " +
           std::to_string(kLongestLine) + " bytes";
  line.clear();
  return false;
}

void releaseLongLines(std::vector<std::string>& lines) {
  constexpr std::size_t kKeptCapacity = 1024;
  for (std::string& line : lines)
    if (line.capacity() > kKeptCapacity) std::string().swap(line);
}

FirstLines readFirstLines(const std::string& path, std::size_t count, std::string lines[]) {
  FirstLines result;
  LineReader reader(path);
  for (std::size_t i = 0; i < count; ++i) lines[i].clear();
  while (reader.isOpen() && result.present < count && reader.next(lines[result.present]))
    ++result.present;
  result.read = reader.isOpen() && !reader.failed();
  result.missing = reader.missing();
  result.error = reader.error();
  result.longLine = reader.longLine();
  return result;
}

// ---------------------------------------------------------- AtomicFileWriter

FileIdentity fileIdentity(const std::string& path) {
  if (path.find('\0') != std::string::npos) return {};
  FileIdentity entry = platform::entryIdentity(path);
  if (entry.link) {
    const FileIdentity linked = linkedFileIdentity(path);
    entry.directory = linked.directory;
    entry.special = linked.special || leadsIntoProc(path);
  }
  return entry;
}

FileIdentity linkedFileIdentity(const std::string& path) {
  if (path.find('\0') != std::string::npos) return {};
  return platform::fileIdentity(path);
}

FileIdentity descriptorIdentity(int fd) { return platform::descriptorIdentity(fd); }

bool sameFile(const std::string& a, const std::string& b) {
  return linkedFileIdentity(a).sameFile(linkedFileIdentity(b));
}

int openPipeOrTerminal(const std::string& path, std::string& error) {
  if (path.find('\0') != std::string::npos) return -1;
  int errorNumber = 0;
  const int fd = platform::openPipeOrTerminal(path, errorNumber);
  if (errorNumber != 0) error = describe(path, errorNumber);
  return fd;
}

void closeDescriptor(int fd) { platform::closeFile(fd); }

AtomicFileWriter::AtomicFileWriter(std::string targetPath) : targetPath_(std::move(targetPath)) {
  open();
}

AtomicFileWriter::AtomicFileWriter(std::string targetPath, const FileIdentity& replaceable,
                                   unsigned permissions)
    : targetPath_(std::move(targetPath)),
      replaceAny_(false),
      replaceable_(replaceable),
      permissions_(permissions & 0777) {
  open();
}

void AtomicFileWriter::open() {
  if (targetPath_.empty() || targetPath_.find('\0') != std::string::npos) {
    error_ = targetPath_ + ": invalid file name";
    return;
  }
  // A settings file behind a link is written where the link points; a copy
  // or an export replaces the link itself: written through it, a "_cvt"
  // link to the source would overwrite the source.
  if (replaceAny_) targetPath_ = throughSymbolicLinks(targetPath_);
  // An unnamed file vanishes with the process, however it ends.
  fd_ = platform::createUnnamedFile(directoryOf(targetPath_), permissions_);
  if (fd_ < 0 && !nameTemporaryFile()) return;
  // a replaced file keeps its permissions (a private 0600 stays private)
  platform::takePermissionsOf(fd_, targetPath_);
}

// Gives the temporary file a hidden name in the target's directory: created
// here for the fallback, or linked from the unnamed file for a rename.
bool AtomicFileWriter::nameTemporaryFile() {
  if (!tempPath_.empty()) return true;
  // a name of its own length, so that a long target name cannot make it too long
  static std::atomic<unsigned> counter{0};
  const std::string directory = directoryOf(targetPath_);
  int errorNumber = EEXIST;
  for (int attempt = 0; attempt < 100 && errorNumber == EEXIST; ++attempt) {
    const std::string name = directory + ".kortavex-" + std::to_string(platform::processId()) + "-" +
                             std::to_string(counter++) + ".tmp";
    const int slot = rememberTemporaryFile(name);
    const bool made = fd_ < 0 ? (fd_ = platform::createNewFile(name, permissions_, errorNumber)) >= 0
                              : platform::nameUnnamedFile(fd_, name, errorNumber);
    if (made) {
      tempPath_ = name;
      tempSlot_ = slot;
      return true;
    }
    forgetTemporaryFile(slot);
  }
  fail(targetPath_, errorNumber);
  return false;
}

AtomicFileWriter::~AtomicFileWriter() { discard(); }

void AtomicFileWriter::fail(const std::string& what, int errorNumber) {
  if (error_.empty()) error_ = describe(what, errorNumber);
  discard();
}

void AtomicFileWriter::keepTarget() {
  targetKept_ = true;
  fail(targetPath_, EEXIST);
}

void AtomicFileWriter::discard() {
  if (fd_ >= 0) platform::closeFile(fd_);
  fd_ = -1;
  forgetName(true);
  buffer_.clear();
}

void AtomicFileWriter::forgetName(bool remove) {
  if (!tempPath_.empty() && remove) platform::removeFile(tempPath_);
  forgetTemporaryFile(tempSlot_);
  tempSlot_ = -1;
  tempPath_.clear();
}

void AtomicFileWriter::writeThrough(std::string_view text) {
  std::size_t done = 0;
  while (fd_ >= 0 && done < text.size()) {
    int errorNumber = ENOSPC;
    const long long put = platform::writeSome(fd_, text.data() + done, text.size() - done, errorNumber);
    if (put <= 0) {
      fail(targetPath_, errorNumber);
      return;
    }
    done += static_cast<std::size_t>(put);
  }
}

void AtomicFileWriter::flushBuffer() {
  writeThrough(buffer_);
  buffer_.clear();
}

void AtomicFileWriter::write(std::string_view text) {
  if (fd_ < 0) return;
  if (buffer_.size() + text.size() > kWriteBufferSize) flushBuffer();
  if (text.size() >= kWriteBufferSize)
    writeThrough(text);  // a single huge line goes straight to the file
  else
    buffer_.append(text);
}

bool AtomicFileWriter::commit() {
  if (fd_ < 0) return false;
  flushBuffer();
  if (fd_ < 0) return false;
#ifndef KORTAVEX_NO_FSYNC
  int errorNumber = 0;
  if (!platform::syncFile(fd_, errorNumber)) {
    fail(targetPath_, errorNumber);
    return false;
  }
#endif
  if (!putInPlace()) return false;
  platform::closeFile(fd_);  // its data is on the disk already
  fd_ = -1;
  return true;
}

bool AtomicFileWriter::putInPlace() {
  if (!replaceAny_) return replaceable_.exists ? replaceOnlyReplaceable() : placeWithoutReplacing();
  if (!targetReplaceable()) return false;
  if (!nameTemporaryFile()) return false;
  int errorNumber = 0;
  if (!platform::moveReplacing(tempPath_, targetPath_, errorNumber)) {
    fail(targetPath_, errorNumber);
    return false;
  }
  forgetName(false);
  return true;
}

// A directory is never exchanged for a file, nor is a device, a FIFO or a
// socket (as root, "/dev/null" would become a regular file), nor a link to
// one of them or into /proc (as root, "/dev/stdout"). Any other link is
// replaced as the link; nothing at all may be placed.
bool AtomicFileWriter::targetReplaceable() {
  const FileIdentity target = fileIdentity(targetPath_);
  if (!target.directory && !target.special) return true;
  if (error_.empty())
    error_ = target.directory ? describe(targetPath_, EISDIR) : targetPath_ + ": not a regular file";
  discard();
  return false;
}

// Only where no file stands: a file that appeared meanwhile is kept.
bool AtomicFileWriter::placeWithoutReplacing() {
  int errorNumber = 0;
  if (tempPath_.empty() ? platform::nameUnnamedFile(fd_, targetPath_, errorNumber)
                        : platform::moveWithoutReplacing(tempPath_, targetPath_, errorNumber)) {
    forgetName(false);
    return true;
  }
  if (errorNumber == EEXIST) keepTarget();
  else fail(targetPath_, errorNumber);
  return false;
}

// The two files change places in one step; when the file that comes out is
// not the replaceable one, it goes back.
bool AtomicFileWriter::replaceOnlyReplaceable() {
  const FileIdentity target = platform::entryIdentity(targetPath_);
  if (!target.exists) return placeWithoutReplacing();
  if (!(target == replaceable_)) {
    keepTarget();
    return false;
  }
  if (!targetReplaceable()) return false;
  if (!nameTemporaryFile()) return false;
  int errorNumber = 0;
  if (!platform::exchange(tempPath_, targetPath_, errorNumber)) {
    if (errorNumber == ENOENT) return placeWithoutReplacing();  // removed since it was looked at
    if (errorNumber != EINVAL && errorNumber != ENOSYS) {
      fail(targetPath_, errorNumber);
      return false;
    }
    // a system or file system without exchange: the target was looked at just now
    if (!platform::moveReplacing(tempPath_, targetPath_, errorNumber)) {
      fail(targetPath_, errorNumber);
      return false;
    }
    forgetName(false);
    return true;
  }
  // the exchange itself set the status-change time of the file that came out
  if (fileIdentity(tempPath_).unchangedButRenamed(replaceable_)) {
    forgetName(true);
    return true;
  }
  platform::exchange(tempPath_, targetPath_, errorNumber);
  keepTarget();
  return false;
}

namespace {

bool writeAll(AtomicFileWriter& writer, std::string_view content, std::string* error) {
  writer.write(content);
  const bool ok = writer.commit();
  if (error) *error = writer.error();
  return ok;
}

}  // namespace

bool writeFileAtomically(const std::string& path, std::string_view content, std::string* error) {
  AtomicFileWriter writer(path);
  return writeAll(writer, content, error);
}

bool writeFileAtomically(const std::string& path, const FileIdentity& replaceable,
                         std::string_view content, std::string* error) {
  AtomicFileWriter writer(path, replaceable);
  return writeAll(writer, content, error);
}

}  // namespace kortavex
