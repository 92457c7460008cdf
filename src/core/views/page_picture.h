#pragma once

#include <string_view>

namespace vdbq {

// The pictures a page can show: the operating-system set, the "unknown" picture of jobs on
// undefined workstations, and the yes/no pair of the boolean fields. None is a picture that
// has never been set.
enum class Picture { None, Windows, Unix, Mpix, Mpev, Sap, Unknown, Yes, No };

// "windows", "unix", "mpix", "mpev", "sap", "unknown", "yes", "no" or "none".
std::string_view PictureName(Picture picture);

// The operating-system picture of an upper-cased OS value: "WNT" and "WINT" are Windows,
// "OTHER" is SAP, "MPIX" and "MPEV" their own, anything else UNIX.
Picture OsPicture(std::string_view upperOs);

// Yes when the upper-cased value is exactly "ON", no for anything else.
Picture OnOffPicture(std::string_view upperValue);

}  // namespace vdbq
