#pragma once
// The streams of one kortavex-cli run: standard input, output and error, or
// other descriptors when a run is called in-process (tests, fuzzing).

#include <string>
#include <string_view>

// Output to a descriptor through a buffer. The first failure is kept: a full
// disk or a closed pipe must never pass for success.
class OutputStream {
 public:
  explicit OutputStream(int fd) : fd_(fd) {}
  ~OutputStream() { flush(); }
  OutputStream(const OutputStream&) = delete;
  OutputStream& operator=(const OutputStream&) = delete;

  void write(std::string_view text);
  // False once anything written so far could not be written.
  bool flush();
  bool failed() const { return error_ != 0; }
  int error() const { return error_; }  // errno of the first failure

 private:
  int fd_;
  std::string buffer_;
  int error_ = 0;
};

struct CliStreams {
  int input;
  OutputStream& out;
  OutputStream& err;
  bool colours = false;  // blue and red as ANSI colours, for a terminal
};
