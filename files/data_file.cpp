#include "files/data_file.h"

#include <cerrno>

#include "files/platform.h"

namespace kortavex {

DataFile::DataFile(const std::string& path) {
  if (path.empty() || path.find('\0') != std::string::npos) {
    missing_ = path.empty();
    return;
  }
  int error = 0;
  const int fd = platform::openForReading(path, identity_, error);
  if (fd < 0) {
    missing_ = error == ENOENT || error == ENOTDIR;
    return;
  }
  if (!identity_.regular) {
    platform::closeFile(fd);
    return;
  }
  fd_ = fd;
}

DataFile::~DataFile() {
  if (fd_ >= 0) platform::closeFile(fd_);
}

std::size_t DataFile::readAt(std::uint64_t offset, unsigned char* buffer, std::size_t count) const {
  return fd_ >= 0 ? platform::readAt(fd_, offset, buffer, count) : 0;
}

}  // namespace kortavex
