#include "core/reports/entry_runs.h"

#include <deque>

namespace vdbq {
namespace {

// Calls visit for every part of a comma-separated text, the empty ones included.
template <typename Visit>
void ForEachPart(std::string_view text, Visit&& visit) {
  for (;;) {
    const size_t comma = text.find(',');
    visit(text.substr(0, comma));
    if (comma == std::string_view::npos) return;
    text.remove_prefix(comma + 1);
  }
}

}  // namespace

EntryRuns::EntryRuns(std::string_view list, const std::vector<std::string>& texts) {
  Build(list, texts);
}

EntryRuns EntryRuns::OfViews(std::string_view list, const std::vector<std::string_view>& texts) {
  EntryRuns runs;
  runs.Build(list, texts);
  return runs;
}

template <typename Text>
void EntryRuns::Build(std::string_view list, const std::vector<Text>& texts) {
  std::vector<uint32_t> entries;
  size_t start = 0;
  for (size_t comma = list.find(','); comma != std::string_view::npos;
       comma = list.find(',', start)) {
    const std::string_view entry = list.substr(start, comma - start);
    entries.push_back(
        partIds_.try_emplace(entry, static_cast<uint32_t>(partIds_.size())).first->second);
    start = comma + 1;
  }
  for (std::string_view text : texts) {
    if (text.find(',') != std::string_view::npos) Insert(text);
  }
  Link();
  Match(entries);
}

uint32_t EntryRuns::Child(uint32_t node, uint32_t part) const {
  const auto found = nodes_[node].Next.find(part);
  return found == nodes_[node].Next.end() ? kNoNode : found->second;
}

void EntryRuns::Insert(std::string_view text) {
  if (textNodes_.contains(text)) return;
  uint32_t node = 0;
  bool possible = true;
  ForEachPart(text, [&](std::string_view part) {
    const auto id = partIds_.find(part);
    if (!possible || id == partIds_.end()) {
      // A part that is no entry can never be matched.
      possible = false;
      return;
    }
    uint32_t next = Child(node, id->second);
    if (next == kNoNode) {
      next = static_cast<uint32_t>(nodes_.size());
      nodes_[node].Next.emplace(id->second, next);
      nodes_.emplace_back();
    }
    node = next;
  });
  if (!possible) {
    textNodes_.emplace(text, kNoNode);
    return;
  }
  nodes_[node].EndsText = true;
  textNodes_.emplace(text, node);
}

void EntryRuns::Link() {
  std::deque<uint32_t> queue;
  for (const auto& [part, child] : nodes_[0].Next) queue.push_back(child);
  while (!queue.empty()) {
    const uint32_t node = queue.front();
    queue.pop_front();
    for (const auto& [part, child] : nodes_[node].Next) {
      uint32_t fail = nodes_[node].Fail;
      while (fail != 0 && Child(fail, part) == kNoNode) fail = nodes_[fail].Fail;
      const uint32_t target = Child(fail, part);
      nodes_[child].Fail = target != kNoNode && target != child ? target : 0;
      const Node& failNode = nodes_[nodes_[child].Fail];
      nodes_[child].Output = failNode.EndsText ? nodes_[child].Fail : failNode.Output;
      queue.push_back(child);
    }
  }
}

void EntryRuns::Match(const std::vector<uint32_t>& entries) {
  uint32_t state = 0;
  for (uint32_t part : entries) {
    while (state != 0 && Child(state, part) == kNoNode) state = nodes_[state].Fail;
    const uint32_t next = Child(state, part);
    if (next != kNoNode) state = next;
    // Every text that ends here is found; a node seen before has had its chain marked already.
    for (uint32_t node = nodes_[state].EndsText ? state : nodes_[state].Output;
         node != kNoNode && !nodes_[node].Seen; node = nodes_[node].Output) {
      nodes_[node].Seen = true;
    }
  }
}

bool EntryRuns::Holds(std::string_view text) const {
  if (text.find(',') == std::string_view::npos) return partIds_.contains(text);
  const auto found = textNodes_.find(text);
  return found != textNodes_.end() && found->second != kNoNode && nodes_[found->second].Seen;
}

}  // namespace vdbq
