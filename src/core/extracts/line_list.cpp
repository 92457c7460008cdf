#include "core/extracts/line_list.h"

namespace vdbq {

LineList::LineList(const std::vector<std::string>& lines) {
  size_t total = 0;
  for (const std::string& line : lines) total += line.size();
  text_.reserve(total);
  starts_.reserve(lines.size() + 1);
  for (const std::string& line : lines) {
    starts_.push_back(text_.size());
    text_ += line;
  }
  starts_.push_back(text_.size());
}

LineList LineList::FromText(std::string text) {
  LineList list;
  // Line breaks are squeezed out in place: the write position never passes the read position.
  size_t write = 0;
  size_t read = 0;
  size_t lineStart = 0;
  const size_t size = text.size();
  while (read < size) {
    const char c = text[read];
    if (c == '\r' || c == '\n') {
      list.starts_.push_back(lineStart);
      read += (c == '\r' && read + 1 < size && text[read + 1] == '\n') ? 2 : 1;
      lineStart = write;
    } else {
      text[write++] = c;
      ++read;
    }
  }
  if (write > lineStart) list.starts_.push_back(lineStart);
  if (!list.starts_.empty()) list.starts_.push_back(write);
  text.resize(write);
  text.shrink_to_fit();
  list.text_ = std::move(text);
  list.starts_.shrink_to_fit();
  return list;
}

std::vector<std::string> SplitLines(std::string_view text) {
  const LineList list = LineList::FromText(std::string(text));
  std::vector<std::string> lines;
  lines.reserve(static_cast<size_t>(list.Count()));
  for (std::string_view line : list) lines.emplace_back(line);
  return lines;
}

}  // namespace vdbq
