#include "cli/cli_streams.h"

#include <cerrno>

#include "files/platform.h"

namespace kortavex {

namespace {
constexpr std::size_t kBufferSize = 1 << 16;
}  // namespace

void replaceControlBytes(std::string& text, std::size_t from) {
  for (std::size_t i = from; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if ((c < 0x20 && c != '\n' && c != '\t') || c == 0x7F) text[i] = '?';
  }
}

void OutputStream::write(std::string_view text) {
  if (failed()) return;
  const std::size_t start = buffer_.size();
  buffer_.append(text);
  if (content_ == Content::Messages) replaceControlBytes(buffer_, start);
  if (buffer_.size() >= kBufferSize) flush();
}

bool OutputStream::flush() {
  std::size_t done = 0;
  while (!failed() && done < buffer_.size()) {
    int error = ENOSPC;
    const long long put = platform::writeSome(fd_, buffer_.data() + done, buffer_.size() - done, error);
    if (put <= 0) error_ = error;
    else done += static_cast<std::size_t>(put);
  }
  buffer_.clear();
  return !failed();
}

}  // namespace kortavex
