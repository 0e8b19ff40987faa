#pragma once
// The encoding of a column file's content. The program's texts are
// Windows-1252, but files written on a Linux desktop are mostly UTF-8: such a
// file is read and written in UTF-8, so that its degree signs and umlauts
// survive a conversion, an import and an export.

#include <optional>
#include <string>
#include <string_view>

namespace kortavex {

struct FileTextEncoding {
  bool utf8 = false;           // else Windows-1252
  bool byteOrderMark = false;  // the file starts with the UTF-8 byte-order mark
  bool utf16 = false;          // a UTF-16 file, which no workflow reads: its digits
                               // stand between zero bytes
};

// A first line of UTF-16 text: its byte-order mark, or a zero byte before or
// after every character, as Latin text in UTF-16 has.
bool looksLikeUtf16(std::string_view firstLine);

// A file is UTF-8 when it starts with the byte-order mark, or when it holds
// bytes beyond ASCII and all of it is valid UTF-8; UTF-16 when its first line
// looks like it; every other file,
// ASCII-only ones too, is Windows-1252. The file is read through once, line
// by line. An unreadable file counts as Windows-1252: the reading that
// follows reports why.
FileTextEncoding fileTextEncoding(const std::string& fileSystemPath);

// The same for the rest of an open descriptor that is a regular file (standard
// input redirected from a file): read through from where it stands, which is
// where it is left. nullopt for a pipe or a terminal, which cannot be read twice.
std::optional<FileTextEncoding> descriptorTextEncoding(int fd);
// The same for the first line only, to know UTF-16 text before anything is
// written: false for a pipe or a terminal, whose first line tells as it comes.
bool descriptorStartsUtf16(int fd);

// Removes the byte-order mark from the first line of a file that has one.
void removeByteOrderMark(std::string& firstLine, const FileTextEncoding& encoding);

// Windows-1252 text as the file holds it: in UTF-8 for a UTF-8 file.
std::string textForFile(std::string cp1252, const FileTextEncoding& encoding);

}  // namespace kortavex
