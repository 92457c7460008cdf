#include "core/colouring/rule_sets.h"

namespace vdbq {
namespace {

ColourRule KeywordRule(Colour colour, std::vector<std::string> words) {
  ColourRule rule;
  rule.Kind = RuleKind::Keywords;
  rule.DefKeyColor = colour;
  rule.Keywords = std::move(words);
  return rule;
}

ColourRule LineEndRule(Colour colour, std::string beginMarker, std::uint8_t zOrder) {
  ColourRule rule;
  rule.Kind = RuleKind::BeginLineEnd;
  rule.DefKeyColor = colour;
  rule.LineEndMarkers = {std::move(beginMarker)};
  rule.ZOrder = zOrder;
  return rule;
}

}  // namespace

std::vector<ColourRule> SchedulePageRules() {
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

std::vector<ColourRule> InstallationPageRules() {
  ColourRule literals = KeywordRule(
      kPurple, {"C:\\Program Files\\VarnoltDBQ", "/scheduler/varnolt/scripts/Varnolt_DBXtract.sh",
                "/scheduler/varnolt/scripts", "/scheduler/varnolt/DBXtract",
                "/scheduler/varnolt/bin/composer", "Varnolt_DBXtract.sh", "varnolt"});
  literals.PartWord = true;
  ColourRule samples =
      KeywordRule(kPurple, {"SCHEDULE", "ON", "AT", "END", "VARNOLT_DBXTRACT", "DBQ_EXTRACT"});
  samples.KeyCase = true;
  return {literals, samples, KeywordRule(kNavy, {"Step", "#1"})};
}

std::vector<ColourRule> InstallationLastMemoRules() {
  std::vector<ColourRule> rules = InstallationPageRules();
  rules.push_back(LineEndRule(kGreen, "*", 2));
  rules.push_back(LineEndRule(kBlack, "A", 1));
  ColourRule marker = KeywordRule(kNavy, {"< Install.Doc >"});
  marker.ZOrder = 4;
  rules.push_back(marker);
  return rules;
}

}  // namespace vdbq
