#pragma once
// The letter tables of UTM zone texts and MGRS references (DMA TM 8358.1):
// latitude bands C-X without I and O, 100 km columns in three sets of eight
// by zone, rows in a 20-letter cycle shifted by five in even zones.

#include <string_view>

namespace kortavex {

namespace utm {

constexpr std::string_view kBandLetters = "CDEFGHJKLMNPQRSTUVWX";          // 8 deg each from -80
constexpr std::string_view kColumnLetters = "STUVWXYZABCDEFGHJKLMNPQR";    // three sets of eight
constexpr std::string_view kRowLetters = "ABCDEFGHJKLMNPQRSTUV";           // every 100 km, 2 000 km cycle

// Central meridian of a zone, degrees east.
inline double centralMeridian(int zone) { return 6.0 * zone - 183; }

}  // namespace utm

}  // namespace kortavex
