#include "gui/fonts.h"

#include <map>
#include <vector>

#include <wx/fontenum.h>

namespace kortavex {

namespace {

// Similar faces, closest first: Tahoma is narrow, Verdana wide, Arial
// metrically matched by Liberation Sans and Nimbus Sans.
std::vector<const char*> fallbacksOf(const wxString& face) {
  if (face == "Tahoma" || face == "Trebuchet MS")
    return {"DejaVu Sans Condensed", "Liberation Sans Narrow", "DejaVu Sans"};
  if (face == "Verdana") return {"DejaVu Sans", "Bitstream Vera Sans"};
  if (face == "Arial") return {"Liberation Sans", "Nimbus Sans", "DejaVu Sans"};
  if (face == "Comic Sans MS") return {"Comic Neue", "URW Gothic", "DejaVu Sans"};
  return {"DejaVu Sans"};
}

}  // namespace

wxString availableFace(const wxString& face) {
  static std::map<wxString, wxString> chosen;
  const auto known = chosen.find(face);
  if (known != chosen.end()) return known->second;
  wxString result;  // empty: the toolkit's default face
  if (wxFontEnumerator::IsValidFacename(face)) {
    result = face;
  } else {
    for (const char* fallback : fallbacksOf(face)) {
      if (wxFontEnumerator::IsValidFacename(fallback)) {
        result = fallback;
        break;
      }
    }
  }
  chosen.emplace(face, result);
  return result;
}

wxFont programFont(const wxString& face, int points, wxFontWeight weight, bool underlined) {
  return wxFont(wxFontInfo(points)
                    .Family(wxFONTFAMILY_SWISS)
                    .FaceName(availableFace(face))
                    .Weight(weight)
                    .Underlined(underlined));
}

}  // namespace kortavex
