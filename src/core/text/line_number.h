#pragma once

#include <compare>

namespace vdbq {

// Lines are indexed from 0 inside the line lists and numbered from 1 wherever a person sees
// them (findings, the lines a page marks). The two are distinct types so that one is never
// taken for the other; the conversions below are the only place the 1 is added or taken off.
struct LineIndex {
  long long Value = 0;

  constexpr LineIndex() = default;
  constexpr explicit LineIndex(long long value) : Value(value) {}
  auto operator<=>(const LineIndex&) const = default;
};

struct LineNumber {
  long long Value = 0;  // 0 before a line is known

  constexpr LineNumber() = default;
  constexpr explicit LineNumber(long long value) : Value(value) {}
  auto operator<=>(const LineNumber&) const = default;
};

constexpr LineNumber NumberOfIndex(LineIndex index) { return LineNumber(index.Value + 1); }
constexpr LineIndex IndexOfNumber(LineNumber number) { return LineIndex(number.Value - 1); }

}  // namespace vdbq
