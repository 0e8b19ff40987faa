#include "workflow/file_text_encoding.h"

#include <utility>

#include "files/platform.h"
#include "files/text_file.h"
#include "lang/cp1252.h"

namespace kortavex {

namespace {

FileTextEncoding encodingOfLines(LineReader& reader) {
  FileTextEncoding encoding;
  std::string line;
  if (!reader.next(line)) return encoding;
  if (looksLikeUtf16(line)) {
    encoding.utf16 = true;
    return encoding;
  }
  if (line.rfind(kUtf8ByteOrderMark, 0) == 0) {
    encoding.utf8 = encoding.byteOrderMark = true;
    return encoding;
  }
  // CR and LF never occur inside a UTF-8 sequence: line by line is byte by byte
  bool beyondAscii = false;
  do {
    if (isAscii(line)) continue;
    if (!isValidUtf8(line)) return encoding;
    beyondAscii = true;
  } while (reader.next(line));
  encoding.utf8 = beyondAscii && !reader.failed();
  return encoding;
}

}  // namespace

bool looksLikeUtf16(std::string_view firstLine) {
  if (firstLine.rfind("\xFF\xFE", 0) == 0 || firstLine.rfind("\xFE\xFF", 0) == 0) return true;
  // the zero byte of every character of Latin text, before or after it,
  // beside characters that are no zeros (a line of zeros holds no text)
  const auto zerosFrom = [&](std::size_t first) {
    bool text = false;
    for (std::size_t i = 0; i < firstLine.size(); ++i) {
      if (i % 2 == first % 2 && firstLine[i] != '\0') return false;
      if (i % 2 != first % 2 && firstLine[i] != '\0') text = true;
    }
    return text;
  };
  return firstLine.size() >= 2 && (zerosFrom(0) || zerosFrom(1));
}

FileTextEncoding fileTextEncoding(const std::string& fileSystemPath) {
  LineReader reader(fileSystemPath);
  return encodingOfLines(reader);
}

namespace {

// What `judge` finds in the rest of an open descriptor that is a regular
// file, which is put back where it stood; nullopt for a pipe or a terminal,
// which cannot be read twice.
template <typename Judge>
auto judgedAndRewound(int fd, Judge judge) -> std::optional<decltype(judge(std::declval<LineReader&>()))> {
  if (!platform::descriptorIdentity(fd).regular) return std::nullopt;
  const long long start = platform::readPosition(fd);
  if (start < 0) return std::nullopt;
  std::optional<decltype(judge(std::declval<LineReader&>()))> judged;
  {
    LineReader reader(fd);
    judged = judge(reader);
  }
  if (!platform::setReadPosition(fd, start)) return std::nullopt;
  return judged;
}

}  // namespace

std::optional<FileTextEncoding> descriptorTextEncoding(int fd) { return judgedAndRewound(fd, encodingOfLines); }

bool descriptorStartsUtf16(int fd) {
  return judgedAndRewound(fd, [](LineReader& reader) {
           std::string line;
           return reader.next(line) && looksLikeUtf16(line);
         }).value_or(false);
}

void removeByteOrderMark(std::string& firstLine, const FileTextEncoding& encoding) {
  if (encoding.byteOrderMark && firstLine.rfind(kUtf8ByteOrderMark, 0) == 0)
    firstLine.erase(0, kUtf8ByteOrderMark.size());
}

std::string textForFile(std::string cp1252, const FileTextEncoding& encoding) {
  return encoding.utf8 ? cp1252ToUtf8(cp1252) : cp1252;
}

}  // namespace kortavex
