#pragma once
// The streams of one kortavex-cli run: standard input, output and error, or
// other descriptors when a run is called in-process (tests, fuzzing).

#include <string>
#include <string_view>

namespace kortavex {

// Output to a descriptor through a buffer. The first failure is kept: a full
// disk or a closed pipe must never pass for success.
// Control bytes other than line break and tab from `from` on shown as "?".
void replaceControlBytes(std::string& text, std::size_t from = 0);

class OutputStream {
 public:
  // Messages quote names and lines from files and the command line: their
  // control bytes are shown as "?", so that an escape sequence hidden in a
  // file cannot take over the terminal. Data goes out as it is.
  enum class Content { Data, Messages };
  explicit OutputStream(int fd, Content content = Content::Data) : fd_(fd), content_(content) {}
  ~OutputStream() { flush(); }
  OutputStream(const OutputStream&) = delete;
  OutputStream& operator=(const OutputStream&) = delete;

  void write(std::string_view text);
  // False once anything written so far could not be written.
  bool flush();
  bool failed() const { return error_ != 0; }
  int error() const { return error_; }  // errno of the first failure
  int fd() const { return fd_; }

 private:
  int fd_;
  Content content_;
  std::string buffer_;
  int error_ = 0;
};

struct CliStreams {
  int input;
  OutputStream& out;
  OutputStream& err;
  bool colours = false;  // blue and red as ANSI colours, for a terminal
};

}  // namespace kortavex
