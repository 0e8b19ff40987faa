#include "files/data_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace kortavex {

DataFile::DataFile(const std::string& path) {
  if (path.empty() || path.find('\0') != std::string::npos) {
    missing_ = path.empty();
    return;
  }
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    missing_ = errno == ENOENT || errno == ENOTDIR;
    return;
  }
  identity_ = descriptorIdentity(fd);
  if (!identity_.regular) {
    ::close(fd);
    return;
  }
  fd_ = fd;
}

DataFile::~DataFile() {
  if (fd_ >= 0) ::close(fd_);
}

std::size_t DataFile::readAt(std::uint64_t offset, unsigned char* buffer, std::size_t count) const {
  std::size_t got = 0;
  while (got < count && fd_ >= 0) {
    const ssize_t n = ::pread(fd_, buffer + got, count - got, static_cast<off_t>(offset + got));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += static_cast<std::size_t>(n);
  }
  return got;
}

std::string executableDirectory() {
  char buffer[4096];
  const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer);
  if (length <= 0 || static_cast<std::size_t>(length) >= sizeof buffer) return {};
  const std::string path(buffer, static_cast<std::size_t>(length));
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return {};
  return slash == 0 ? std::string("/") : path.substr(0, slash);
}

}  // namespace kortavex
