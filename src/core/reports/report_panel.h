#pragma once

#include <array>
#include <string>

#include "core/catalogue/catalogue.h"

namespace vdbq {

inline constexpr int kReportCategories = 7;
inline constexpr int kMaxReportOptions = 6;

inline constexpr const char* kSelectReportOptions = "Select Report Options Above.";
inline constexpr const char* kHintInitial = "Hint: To Be Completed...";
inline constexpr const char* kProcessing = "Processing... Please Wait...";

// The report panel as a model: the category, the option boxes and their texts, the search box,
// the description, the total display and the status and hint lines the reports write.
class ReportPanel {
 public:
  ReportPanel();

  int ReportCategory() const { return category_; }
  // Switches the category (presets and the category buttons) and refills the options.
  void SetCategory(int category);
  // Next and Previous wrap around: 6 goes to 0 and 0 to 6.
  void Next();
  void Previous();

  // Unticks every option, resets the description and shows the category's option set.
  void FillReportOptions();
  // Ticks option n (1 to 6) of the current category; the others lose their tick. Ticking an
  // option that is already ticked changes nothing. Options the category does not have are
  // hidden and cannot be ticked.
  void TickOption(int n);
  // The ticked option (1 to 6), 0 when none is.
  int TickedOption() const { return ticked_; }
  // Records n as the chosen option and shows its description.
  void DescribeReportOption(int n);

  int OptionCount() const { return OptionCountOf(category_); }
  bool OptionVisible(int n) const { return n == 1 || n <= OptionCount(); }
  const std::string& OptionText(int n) const { return optionTexts_[static_cast<size_t>(n - 1)]; }
  const std::string& Description() const { return description_; }     // LabCmdDesc
  std::string Caption() const { return CategoryCaption(category_); }  // LabRepTab

  // The total display of the current category: the count and its hint.
  void SetTotals(const CatalogueTotals& totals) { totals_ = totals; }
  std::string TotalText() const;  // LabTotty
  std::string TotalHint() const;  // LabTottyHint

  // The texts the panel and the reports share.
  std::string SearchText;          // EditSearch
  std::string StatusText;          // the status bar
  std::string Hint = kHintInitial;    // LabHint
  bool FocusSearchRequested = false;  // a rejected character asks for the search box's focus
  // True while a report runs: a second one is refused until it ends.
  bool ReportRunning = false;

  static int OptionCountOf(int category);
  static std::string CategoryCaption(int category);
  static std::string OptionTextOf(int category, int option);
  static std::string OptionDescription(int category, int option);

 private:
  int category_ = 0;
  int ticked_ = 0;
  std::array<std::string, kMaxReportOptions> optionTexts_;
  std::string description_ = kSelectReportOptions;
  CatalogueTotals totals_;
};

}  // namespace vdbq
