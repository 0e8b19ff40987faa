#pragma once
// Pages of the publishing agencies where the user downloads the grid files,
// as the messages and the help name them.

namespace kortavex {

inline constexpr char kBeta2007DownloadPage[] = "https://www.bkg.bund.de";
inline constexpr char kAustrianGridDownloadPage[] =
    "https://bev.gv.at/Services/Produkte/Grundlagenvermessung/GIS-Grid.html";
inline constexpr char kChenyx06DownloadPage[] = "https://www.swisstopo.admin.ch";

}  // namespace kortavex
