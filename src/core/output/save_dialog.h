#pragma once

#include <string>

namespace vdbq {

// What the save dialog of an export shows.
struct SaveDialogTexts {
  const char* Filter;  // "description|pattern|description|pattern"
  const char* Title;
};

inline constexpr SaveDialogTexts kCsvSaveDialog{
    "Text files (*.txt)|*.TXT|Comma Separated Value files (*.csv)|*.CSV", "Export To CSV File..."};
inline constexpr SaveDialogTexts kHtmlSaveDialog{
    "HTML files (*.htm)|*.HTM|Text Files (*.txt)|*.TXT", "Export To HTML File..."};

// The Yes/No question both exports ask before they overwrite a file.
inline std::string OverwriteQuestion(const std::string& fileName) {
  return "File: \"" + fileName + "\" exists!\rAre you sure you want to overwrite?";
}

}  // namespace vdbq
