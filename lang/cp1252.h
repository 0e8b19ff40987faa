#pragma once
// Windows-1252, the code page of every text of the program, and UTF-8, the
// encoding of Linux file names, terminals and many files users hand over.

#include <optional>
#include <string>
#include <string_view>

namespace kortavex {

// The text as UTF-8. Bytes that Windows-1252 leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) become U+FFFD.
std::string cp1252ToUtf8(std::string_view cp1252);

// True when every byte is below 0x80: text that reads the same in
// Windows-1252 and UTF-8.
bool isAscii(std::string_view text);

// True when the bytes are well-formed UTF-8 (no overlong forms, no
// surrogates, nothing beyond U+10FFFF).
bool isValidUtf8(std::string_view text);

// The UTF-8 text in Windows-1252; nullopt when it is no valid UTF-8 or holds
// a character that Windows-1252 cannot hold.
std::optional<std::string> utf8ToCp1252(std::string_view utf8);

// The UTF-8 text in Windows-1252 as near as it goes: the prime and double
// prime (U+2032, U+2033) become ' and ", so that degrees/minutes/seconds
// keep their seconds; any other character that Windows-1252 cannot hold
// becomes "?". nullopt when it is no valid UTF-8.
std::optional<std::string> utf8ToNearestCp1252(std::string_view utf8);

// A file name or a message of the system about a file (strerror) as window
// text. File names are bytes; on Linux desktops they are UTF-8, as GLib and
// so GTK's file dialogs take them: where the bytes are valid UTF-8 they give
// their text in Windows-1252 as near as it goes (a letter the code page
// lacks shows as "?"), any other bytes are taken as they are.
std::string fileSystemTextToCp1252(std::string_view fileSystemText);

// The UTF-8 byte-order mark.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

}  // namespace kortavex
