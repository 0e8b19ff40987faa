#include "files/text_file.h"

#include <fcntl.h>
#include <limits.h>
#include <poll.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

#include "files/temporary_files.h"

namespace kortavex {

namespace {

std::string describe(const std::string& what, int errorNumber) {
  return what + ": " + std::strerror(errorNumber);
}

// Why a file cannot be read or replaced as the file it should be.
std::string noRegularFile(const std::string& path, const struct stat& info) {
  return S_ISDIR(info.st_mode) ? describe(path, EISDIR) : path + ": not a regular file";
}

constexpr std::size_t kWriteBufferSize = 1 << 20;

// "dir/" for "dir/name", "" for a bare name.
std::string directoryOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The path a write through `path` ends at: its symbolic links followed, also
// a dangling one (writing through it creates its target, as a shell's ">" does).
std::string throughSymbolicLinks(std::string path) {
  for (int depth = 0; depth < 40; ++depth) {
    char link[PATH_MAX];
    const ssize_t length = ::readlink(path.c_str(), link, sizeof link);
    if (length <= 0 || static_cast<std::size_t>(length) >= sizeof link) break;
    const std::string target(link, static_cast<std::size_t>(length));
    path = target[0] == '/' ? target : directoryOf(path) + target;
  }
  return path;
}

FileIdentity identityOf(const struct stat& info) {
  FileIdentity identity;
  identity.exists = true;
  identity.regular = S_ISREG(info.st_mode);
  identity.directory = S_ISDIR(info.st_mode);
  identity.special = !identity.regular && !identity.directory && !S_ISLNK(info.st_mode);
  identity.device = static_cast<std::uint64_t>(info.st_dev);
  identity.inode = static_cast<std::uint64_t>(info.st_ino);
  identity.size = static_cast<std::uint64_t>(info.st_size);
  identity.modified = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
  identity.statusChanged = static_cast<std::int64_t>(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec;
  identity.permissions = static_cast<unsigned>(info.st_mode & 0777);
  return identity;
}

// A link into /proc (/dev/stdout, /dev/stderr) names an open file of a
// process, whatever that is: a system link that no copy may take the place of.
bool leadsIntoProc(const std::string& path) {
  char link[PATH_MAX];
  const ssize_t length = ::readlink(path.c_str(), link, sizeof link);
  return length > 0 && std::string_view(link, static_cast<std::size_t>(length)).rfind("/proc/", 0) == 0;
}

// Where an unnamed file's descriptor can be linked from without privileges.
std::string descriptorPath(int fd) { return "/proc/self/fd/" + std::to_string(fd); }

bool unnamedFilesUsable() {
#ifdef O_TMPFILE
  static const bool usable = ::access("/proc/self/fd", X_OK) == 0;
  return usable;
#else
  return false;
#endif
}

}  // namespace

std::string pathInDirectory(const std::string& directory, const std::string& name) {
  if (directory.empty()) return name;
  if (directory.back() == '/') return directory + name;
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
  // Not blocking: opening a FIFO would wait for a writer for ever.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    missing_ = errno == ENOENT;
    error_ = describe(path, errno);
    return;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    error_ = noRegularFile(path, info);
    ::close(fd);
    return;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  fd_ = fd;
  opened_ = identityOf(info);
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
  if (fd_ >= 0 && ownsDescriptor_) ::close(fd_);
}

bool LineReader::fill() {
  if (atEnd_ || fd_ < 0) return false;
  for (;;) {
    const ssize_t got = ::read(fd_, buffer_.get(), kBufferSize);
    if (got > 0) {
      pos_ = 0;
      end_ = static_cast<std::size_t>(got);
      bytesRead_ += static_cast<std::uint64_t>(got);
      return true;
    }
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) error_ = describe("read error", errno);
    atEnd_ = true;
    return false;
  }
}

bool LineReader::nextWouldWait() const {
  if (atEnd_ || fd_ < 0) return false;
  std::size_t from = pos_;
  if (skipLineFeed_ && from < end_ && buffer_[from] == '\n') ++from;  // the end of the last line
  const char* start = buffer_.get() + from;
  if (std::memchr(start, '\n', end_ - from) || std::memchr(start, '\r', end_ - from)) return false;
  pollfd input{fd_, POLLIN, 0};
  return ::poll(&input, 1, 0) != 1;
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
  struct stat info {};
  if (path.find('\0') != std::string::npos || ::lstat(path.c_str(), &info) != 0) return {};
  FileIdentity entry = identityOf(info);
  if (S_ISLNK(info.st_mode)) {
    const FileIdentity linked = linkedFileIdentity(path);
    entry.directory = linked.directory;
    entry.special = linked.special || leadsIntoProc(path);
  }
  return entry;
}

FileIdentity linkedFileIdentity(const std::string& path) {
  struct stat info {};
  if (path.find('\0') != std::string::npos || ::stat(path.c_str(), &info) != 0) return {};
  return identityOf(info);
}

FileIdentity descriptorIdentity(int fd) {
  struct stat info {};
  return ::fstat(fd, &info) == 0 ? identityOf(info) : FileIdentity{};
}

bool sameFile(const std::string& a, const std::string& b) {
  return linkedFileIdentity(a).sameFile(linkedFileIdentity(b));
}

int openPipeOrTerminal(const std::string& path, std::string& error) {
  struct stat info {};
  if (path.find('\0') != std::string::npos || ::stat(path.c_str(), &info) != 0) return -1;
  const bool fifo = S_ISFIFO(info.st_mode);
  if (!fifo && !S_ISCHR(info.st_mode)) return -1;
  // A FIFO waits for its reader; a device is opened without waiting and
  // taken only when it is a terminal.
  int fd;
  do {
    fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | (fifo ? 0 : O_NONBLOCK));
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) {
    error = describe(path, errno);
    return -1;
  }
  // what was opened, in case another file took the name meanwhile
  if ((::fstat(fd, &info) == 0 && S_ISFIFO(info.st_mode)) || ::isatty(fd)) {
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
  }
  ::close(fd);
  return -1;
}

void closeDescriptor(int fd) { ::close(fd); }

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
  const std::string directory = directoryOf(targetPath_);
#ifdef O_TMPFILE
  // An unnamed file vanishes with the process, however it ends.
  if (unnamedFilesUsable())
    fd_ = ::open(directory.empty() ? "." : directory.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, permissions_);
#endif
  if (fd_ < 0 && !nameTemporaryFile()) return;
  // a replaced file keeps its permissions (a private 0600 stays private)
  struct stat old {};
  if (::lstat(targetPath_.c_str(), &old) == 0 && S_ISREG(old.st_mode))
    ::fchmod(fd_, old.st_mode & 0777);
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
    const std::string name = directory + ".kortavex-" + std::to_string(::getpid()) + "-" +
                             std::to_string(counter++) + ".tmp";
    const int slot = rememberTemporaryFile(name);
    const bool made =
        fd_ < 0 ? (fd_ = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, permissions_)) >= 0
                : ::linkat(AT_FDCWD, descriptorPath(fd_).c_str(), AT_FDCWD, name.c_str(),
                           AT_SYMLINK_FOLLOW) == 0;
    errorNumber = errno;
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
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  forgetName(true);
  buffer_.clear();
}

void AtomicFileWriter::forgetName(bool remove) {
  if (!tempPath_.empty() && remove) ::unlink(tempPath_.c_str());
  forgetTemporaryFile(tempSlot_);
  tempSlot_ = -1;
  tempPath_.clear();
}

void AtomicFileWriter::writeThrough(std::string_view text) {
  std::size_t done = 0;
  while (fd_ >= 0 && done < text.size()) {
    const ssize_t put = ::write(fd_, text.data() + done, text.size() - done);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) {
      fail(targetPath_, put < 0 ? errno : ENOSPC);
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
  if (::fsync(fd_) != 0) {
    fail(targetPath_, errno);
    return false;
  }
#endif
  if (!putInPlace()) return false;
  ::close(fd_);  // its data is on the disk already
  fd_ = -1;
  return true;
}

bool AtomicFileWriter::putInPlace() {
  if (!replaceAny_) return replaceable_.exists ? replaceOnlyReplaceable() : placeWithoutReplacing();
  if (!targetReplaceable()) return false;
  if (!nameTemporaryFile()) return false;
  if (::rename(tempPath_.c_str(), targetPath_.c_str()) != 0) {
    fail(targetPath_, errno);
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
  bool placed;
  if (tempPath_.empty()) {
    placed = ::linkat(AT_FDCWD, descriptorPath(fd_).c_str(), AT_FDCWD, targetPath_.c_str(),
                      AT_SYMLINK_FOLLOW) == 0;
  } else if (::renameat2(AT_FDCWD, tempPath_.c_str(), AT_FDCWD, targetPath_.c_str(),
                          RENAME_NOREPLACE) == 0) {
    forgetName(false);
    return true;
  } else {
    // a file system without it: a link also fails where a file stands
    placed = (errno == EINVAL || errno == ENOSYS) && ::link(tempPath_.c_str(), targetPath_.c_str()) == 0;
    if (placed) forgetName(true);
  }
  if (placed) return true;
  if (errno == EEXIST) keepTarget();
  else fail(targetPath_, errno);
  return false;
}

// The two files change places in one step; when the file that comes out is
// not the replaceable one, it goes back.
bool AtomicFileWriter::replaceOnlyReplaceable() {
  struct stat info {};
  if (::lstat(targetPath_.c_str(), &info) != 0) return placeWithoutReplacing();
  if (!(identityOf(info) == replaceable_)) {
    keepTarget();
    return false;
  }
  if (!targetReplaceable()) return false;
  if (!nameTemporaryFile()) return false;
  if (::renameat2(AT_FDCWD, tempPath_.c_str(), AT_FDCWD, targetPath_.c_str(), RENAME_EXCHANGE) != 0) {
    if (errno == ENOENT) return placeWithoutReplacing();  // removed since it was looked at
    if (errno != EINVAL && errno != ENOSYS) {
      fail(targetPath_, errno);
      return false;
    }
    // a file system without exchange: the target was looked at just now
    if (::rename(tempPath_.c_str(), targetPath_.c_str()) != 0) {
      fail(targetPath_, errno);
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
  ::renameat2(AT_FDCWD, tempPath_.c_str(), AT_FDCWD, targetPath_.c_str(), RENAME_EXCHANGE);
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
