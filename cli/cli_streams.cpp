#include "cli/cli_streams.h"

#include <unistd.h>

#include <cerrno>

namespace {
constexpr std::size_t kBufferSize = 1 << 16;
}  // namespace

void OutputStream::write(std::string_view text) {
  if (failed()) return;
  buffer_.append(text);
  if (buffer_.size() >= kBufferSize) flush();
}

bool OutputStream::flush() {
  std::size_t done = 0;
  while (!failed() && done < buffer_.size()) {
    const ssize_t put = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) error_ = put < 0 ? errno : ENOSPC;
    else done += static_cast<std::size_t>(put);
  }
  buffer_.clear();
  return !failed();
}
