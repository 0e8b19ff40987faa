#include "gui/wx_text.h"

#include <wx/strconv.h>

namespace {

wxCSConv& codePage() {
  static wxCSConv conv(wxFONTENCODING_CP1252);
  return conv;
}

constexpr wchar_t kReplacementCharacter = 0xFFFD;

}  // namespace

wxString toWx(std::string_view cp1252) {
  if (cp1252.empty()) return wxString();
  wxString whole(cp1252.data(), codePage(), cp1252.size());
  if (whole.length() == cp1252.size()) return whole;
  // The converter refuses a text with an undefined byte as a whole: go byte by byte.
  wxString text;
  text.reserve(cp1252.size());
  for (const char byte : cp1252) {
    const wxString one(&byte, codePage(), 1);
    text += one.length() == 1 ? one[0] : wxUniChar(kReplacementCharacter);
  }
  return text;
}

std::string fromWx(const wxString& text) {
  if (text.empty()) return std::string();
  const wxCharBuffer whole = text.mb_str(codePage());
  if (whole.length() == text.length()) return std::string(whole.data(), whole.length());
  // Some character is not in the code page: go character by character.
  std::string bytes;
  bytes.reserve(text.length());
  for (const wxUniChar ch : text) {
    const wxCharBuffer one = wxString(ch).mb_str(codePage());
    bytes += one.length() == 1 ? one.data()[0] : '?';
  }
  return bytes;
}
