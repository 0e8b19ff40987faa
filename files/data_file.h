#pragma once
// Reading a data file that the program needs (an NTv2 grid) at given
// offsets.

#include <cstddef>
#include <cstdint>
#include <string>

#include "files/text_file.h"  // FileIdentity

namespace kortavex {

class DataFile {
 public:
  // Opens without blocking, so that a pipe put in the file's place cannot
  // hang the open; anything but a regular file is refused.
  explicit DataFile(const std::string& path);
  ~DataFile();
  DataFile(const DataFile&) = delete;
  DataFile& operator=(const DataFile&) = delete;

  bool isOpen() const { return fd_ >= 0; }
  // Not opened because nothing is there (or a part of the path is no directory).
  bool missing() const { return missing_; }
  // The file as it was opened: its size, and what tells it from another
  // file at the same place (compare with linkedFileIdentity of the path).
  const FileIdentity& identity() const { return identity_; }
  // Reads what the file holds of `count` bytes from `offset`: fewer at its
  // end or after a read error.
  std::size_t readAt(std::uint64_t offset, unsigned char* buffer, std::size_t count) const;

 private:
  int fd_ = -1;
  bool missing_ = false;
  FileIdentity identity_;
};

}  // namespace kortavex
