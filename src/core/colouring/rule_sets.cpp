#include "core/colouring/rule_sets.h"

namespace vdbq {
namespace {

TColorRule KeywordRule(Colour colour, std::vector<std::string> words) {
  TColorRule rule;
  rule.KeyDrawingType = TKeyDrawingType::dtKeyShow;
  rule.DefKeyColor = colour;
  rule.Keywords = std::move(words);
  return rule;
}

TColorRule LineEndRule(Colour colour, std::string beginMarker, std::uint8_t zOrder) {
  TColorRule rule;
  rule.KeyDrawingType = TKeyDrawingType::dtBeginLineEnd;
  rule.DefKeyColor = colour;
  rule.KeyLineEndLst = {std::move(beginMarker)};
  rule.ZOrder = zOrder;
  return rule;
}

}  // namespace

std::vector<TColorRule> SchedulePageRules() {
  return {
      KeywordRule(kNavy, {"AT", "CARRYFORWARD", "CONFIRMED", "END", "EVERY", "EXCEPT", "IN ORDER",
                          "LIMIT", "NEEDS", "ON", "PRIORITY", "PROMPT", "UNTIL", "TIMEZONE", "TZ",
                          "DAYS", "WEEKDAYS", "WORKDAYS", "ONUNTIL"}),
      KeywordRule(kBlue, {"FOLLOWS"}),
      KeywordRule(kMaroon, {"SCHEDULE"}),
      KeywordRule(kPurple, {"OPENS"}),
      LineEndRule(kGreen, "*", 0),
  };
}

std::vector<TColorRule> InstallationPageRules() {
  TColorRule literals = KeywordRule(
      kPurple, {"C:\\Program Files\\VarnoltDBQ", "/scheduler/varnolt/scripts/Varnolt_DBXtract.sh",
                "/scheduler/varnolt/scripts", "/scheduler/varnolt/DBXtract",
                "/scheduler/varnolt/bin/composer", "Varnolt_DBXtract.sh", "varnolt"});
  literals.PartWord = true;
  TColorRule samples =
      KeywordRule(kPurple, {"SCHEDULE", "ON", "AT", "END", "VARNOLT_DBXTRACT", "DBQ_EXTRACT"});
  samples.KeyCase = true;
  return {literals, samples, KeywordRule(kNavy, {"Step", "#1"})};
}

std::vector<TColorRule> InstallationLastMemoRules() {
  std::vector<TColorRule> rules = InstallationPageRules();
  rules.push_back(LineEndRule(kGreen, "*", 2));
  rules.push_back(LineEndRule(kBlack, "A", 1));
  TColorRule marker = KeywordRule(kNavy, {"< Install.Doc >"});
  marker.ZOrder = 4;
  rules.push_back(marker);
  return rules;
}

}  // namespace vdbq
