#include "core/views/page_picture.h"

namespace vdbq {

std::string_view PictureName(Picture picture) {
  switch (picture) {
    case Picture::Windows:
      return "windows";
    case Picture::Unix:
      return "unix";
    case Picture::Mpix:
      return "mpix";
    case Picture::Mpev:
      return "mpev";
    case Picture::Sap:
      return "sap";
    case Picture::Unknown:
      return "unknown";
    case Picture::Yes:
      return "yes";
    case Picture::No:
      return "no";
    case Picture::None:
      break;
  }
  return "none";
}

Picture OsPicture(std::string_view upperOs) {
  if (upperOs == "WNT" || upperOs == "WINT") return Picture::Windows;
  if (upperOs == "MPIX") return Picture::Mpix;
  if (upperOs == "MPEV") return Picture::Mpev;
  if (upperOs == "OTHER") return Picture::Sap;
  return Picture::Unix;
}

Picture OnOffPicture(std::string_view upperValue) {
  return upperValue == "ON" ? Picture::Yes : Picture::No;
}

}  // namespace vdbq
