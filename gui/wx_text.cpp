#include "gui/wx_text.h"

#include "lang/cp1252.h"

namespace kortavex {

wxString toWx(std::string_view cp1252) {
  const std::string utf8 = cp1252ToUtf8(cp1252);
  return wxString::FromUTF8(utf8.data(), utf8.size());
}

wxArrayString toWxList(const std::vector<std::string>& entries) {
  wxArrayString items;
  for (const std::string& entry : entries) items.Add(toWx(entry));
  return items;
}

std::string fromWx(const wxString& text) {
  const wxScopedCharBuffer utf8 = text.utf8_str();
  // a wxString always converts to valid UTF-8
  return utf8ToNearestCp1252(std::string_view(utf8.data(), utf8.length())).value_or(std::string());
}

std::optional<std::string> exactlyFromWx(const wxString& text) {
  const wxScopedCharBuffer utf8 = text.utf8_str();
  return utf8ToCp1252(std::string_view(utf8.data(), utf8.length()));
}

}  // namespace kortavex
