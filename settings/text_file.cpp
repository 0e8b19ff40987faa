#include "settings/text_file.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

namespace {

std::string describe(const std::string& what, int errorNumber) {
  return what + ": " + std::strerror(errorNumber);
}

constexpr std::size_t kWriteBufferSize = 1 << 20;

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

LineReader::LineReader(const std::string& path) {
  if (path.find('\0') != std::string::npos) {
    error_ = path + ": invalid file name";
    return;
  }
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    error_ = describe(path, errno);
    return;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    error_ = S_ISDIR(info.st_mode) ? describe(path, EISDIR) : path + ": not a regular file";
    ::close(fd);
    return;
  }
  fd_ = fd;
  fileSize_ = static_cast<std::uint64_t>(info.st_size);
}

LineReader::~LineReader() {
  if (fd_ >= 0 && ownsDescriptor_) ::close(fd_);
}

bool LineReader::fill() {
  if (atEnd_ || fd_ < 0) return false;
  for (;;) {
    const ssize_t got = ::read(fd_, buffer_, sizeof buffer_);
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
  const char* start = buffer_ + from;
  if (std::memchr(start, '\n', end_ - from) || std::memchr(start, '\r', end_ - from)) return false;
  pollfd input{fd_, POLLIN, 0};
  return ::poll(&input, 1, 0) != 1;
}

bool LineReader::next(std::string& line) {
  line.clear();
  bool any = false;  // something belongs to this line: a byte or its line end
  for (;;) {
    if (pos_ == end_ && !fill()) return any && !failed();
    if (skipLineFeed_) {
      skipLineFeed_ = false;
      if (buffer_[pos_] == '\n') {
        ++pos_;
        continue;
      }
    }
    const char* start = buffer_ + pos_;
    const std::size_t available = end_ - pos_;
    const char* stop = static_cast<const char*>(std::memchr(start, '\n', available));
    const char* cr = static_cast<const char*>(std::memchr(start, '\r', stop ? stop - start : available));
    if (cr) stop = cr;
    if (!stop) {
      line.append(start, available);
      pos_ = end_;
      any = true;
      continue;
    }
    line.append(start, static_cast<std::size_t>(stop - start));
    pos_ += static_cast<std::size_t>(stop - start) + 1;
    skipLineFeed_ = *stop == '\r';
    return true;
  }
}

bool readFirstLines(const std::string& path, std::size_t count, std::string lines[],
                    std::size_t* present) {
  LineReader reader(path);
  for (std::size_t i = 0; i < count; ++i) lines[i].clear();
  if (present) *present = 0;
  if (!reader.isOpen()) return false;
  std::size_t i = 0;
  while (i < count && reader.next(lines[i])) ++i;
  if (present) *present = i;
  return true;
}

// ---------------------------------------------------------- AtomicFileWriter

AtomicFileWriter::AtomicFileWriter(std::string targetPath) : targetPath_(std::move(targetPath)) {
  if (targetPath_.empty() || targetPath_.find('\0') != std::string::npos) {
    error_ = targetPath_ + ": invalid file name";
    return;
  }
  const std::size_t slash = targetPath_.rfind('/');
  const std::string directory = slash == std::string::npos ? "" : targetPath_.substr(0, slash + 1);
  // a name of its own length, so that a long target name cannot make it too long
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath_ = directory + ".kortavex-" + std::to_string(::getpid()) + "-" +
                std::to_string(counter++) + ".tmp";
    fd_ = ::open(tempPath_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ >= 0) {
      buffer_.reserve(kWriteBufferSize);
      return;
    }
    if (errno != EEXIST) break;
  }
  error_ = describe(targetPath_, errno);
  tempPath_.clear();
}

AtomicFileWriter::~AtomicFileWriter() { discard(); }

void AtomicFileWriter::fail(const std::string& what, int errorNumber) {
  if (error_.empty()) error_ = describe(what, errorNumber);
  discard();
}

void AtomicFileWriter::discard() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!tempPath_.empty()) ::unlink(tempPath_.c_str());
  tempPath_.clear();
  buffer_.clear();
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
  if (::fsync(fd_) != 0) {
    fail(targetPath_, errno);
    return false;
  }
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) {
    fail(targetPath_, errno);
    return false;
  }
  if (::rename(tempPath_.c_str(), targetPath_.c_str()) != 0) {
    fail(targetPath_, errno);
    return false;
  }
  tempPath_.clear();
  return true;
}

bool writeFileAtomically(const std::string& path, std::string_view content, std::string* error) {
  AtomicFileWriter writer(path);
  writer.write(content);
  const bool ok = writer.commit();
  if (error) *error = writer.error();
  return ok;
}
