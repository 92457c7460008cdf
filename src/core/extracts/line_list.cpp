#include "core/extracts/line_list.h"

#include <atomic>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

#include "core/extracts/line_starts.h"
#include "core/memory/huge_pages.h"
#include "core/text/line_break_scan.h"

namespace vdbq {
namespace {

std::atomic<unsigned long long> lastSerial{0};

}  // namespace

ByteBuffer::ByteBuffer(size_t size) : size_(size) {
  if (size == 0) return;
  // An extract of tens of megabytes would otherwise take one page fault per 4 KB as it is read.
  char* bytes = static_cast<char*>(AllocateOnHugePages(size));
  data_.reset(bytes);
}

ByteBuffer::ByteBuffer(const ByteBuffer& other) : ByteBuffer(other.size_) {
  if (size_ > 0) std::memcpy(data_.get(), other.data_.get(), size_);
}

ByteBuffer& ByteBuffer::operator=(const ByteBuffer& other) {
  if (this != &other) *this = ByteBuffer(other);
  return *this;
}

void ByteBuffer::Release::operator()(char* bytes) const { std::free(bytes); }

namespace {

// Line starts from `at` on, one byte at a time, for text that may hold CR.
template <typename Emit>
void ForEachLineStartByByte(const char* text, size_t size, size_t at, size_t to, Emit emit) {
  for (size_t i = at; i < to; ++i) {
    const char c = text[i];
    if (c != '\n' && c != '\r') continue;
    const size_t next = i + 1;
    if (next >= size) break;
    if (c == '\n' || text[next] != '\n') emit(next);
  }
}

// Most extracts end their lines with LF alone: the text is looked at 64 bytes at a time,
// stopping only at the LF bytes among them, until a CR shows; from its block on, byte by byte.
// (Before that block there is no CR, so no earlier byte depends on what follows.)
template <typename Emit>
void ForEachLineStart(const char* text, size_t size, size_t from, size_t to, Emit emit) {
  if (from == 0 && to > 0) emit(0);
  size_t i = from;
  for (; i + kLineBreakBlock <= to; i += kLineBreakBlock) {
    const LineBreakBits masks = LineBreaksIn(text + i);
    if (masks.Cr != 0) break;
    for (uint64_t lf = masks.Lf; lf != 0; lf &= lf - 1) {
      const size_t next = i + static_cast<size_t>(std::countr_zero(lf)) + 1;
      if (next < size) emit(next);
    }
  }
  ForEachLineStartByByte(text, size, i, to, emit);
}

}  // namespace

void FindLineStarts(const char* text, size_t size, size_t from, size_t to,
                    std::vector<size_t>& starts) {
  ForEachLineStart(text, size, from, to, [&starts](size_t at) { starts.push_back(at); });
}

size_t CountLineStarts(const char* text, size_t size, size_t from, size_t to) {
  // As ForEachLineStart, counting the LF bytes of a block at once.
  size_t count = from == 0 && to > 0 ? 1 : 0;
  size_t i = from;
  for (; i + kLineBreakBlock <= to; i += kLineBreakBlock) {
    const LineBreakBits masks = LineBreaksIn(text + i);
    if (masks.Cr != 0) break;
    count += static_cast<size_t>(std::popcount(masks.Lf));
  }
  // An LF that ends the text starts no line.
  if (i > from && i == size && text[size - 1] == '\n') --count;
  ForEachLineStartByByte(text, size, i, to, [&count](size_t) { ++count; });
  return count;
}

size_t* WriteLineStarts(const char* text, size_t size, size_t from, size_t to, size_t* out) {
  ForEachLineStart(text, size, from, to, [&out](size_t at) { *out++ = at; });
  return out;
}

uint32_t* WriteLineStarts(const char* text, size_t size, size_t from, size_t to, uint32_t* out) {
  ForEachLineStart(text, size, from, to, [&out](size_t at) { *out++ = static_cast<uint32_t>(at); });
  return out;
}

LineOffsets::LineOffsets(size_t textSize, size_t lines)
    : size_(lines + 1), wide_(textSize > UINT32_MAX) {
  data_ = ByteBuffer(size_ * (wide_ ? sizeof(size_t) : sizeof(uint32_t)));
}

LineList::LineList(ByteBuffer bytes, LineOffsets lineStarts)
    : bytes_(std::move(bytes)), starts_(std::move(lineStarts)), serial_(++lastSerial) {
  if (starts_.Size() > 0) starts_.Set(starts_.Size() - 1, bytes_.Size());
}

LineList::LineList(ByteBuffer bytes, const std::vector<size_t>& lineStarts)
    : bytes_(std::move(bytes)), serial_(++lastSerial) {
  if (lineStarts.empty()) return;
  starts_ = LineOffsets(bytes_.Size(), lineStarts.size());
  for (size_t i = 0; i < lineStarts.size(); ++i) starts_.Set(i, lineStarts[i]);
  starts_.Set(lineStarts.size(), bytes_.Size());
}

LineList::LineList(const std::vector<std::string>& lines)
    : breaksKept_(false), serial_(++lastSerial) {
  size_t total = 0;
  for (const std::string& line : lines) total += line.size();
  bytes_ = ByteBuffer(total);
  starts_ = LineOffsets(total, lines.size());
  size_t at = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    starts_.Set(i, at);
    if (!lines[i].empty()) std::memcpy(bytes_.Data() + at, lines[i].data(), lines[i].size());
    at += lines[i].size();
  }
  starts_.Set(lines.size(), at);
}

LineList LineList::WithLinesHidden(const LineList& base, long long first, long long end) {
  LineList view;
  view.base_ = &base;
  view.hiddenFirst_ = first;
  view.hiddenEnd_ = end;
  view.serial_ = ++lastSerial;
  return view;
}

LineList LineList::FromText(std::string text) {
  ByteBuffer bytes(text.size());
  if (!text.empty()) std::memcpy(bytes.Data(), text.data(), text.size());
  std::vector<size_t> starts;
  FindLineStarts(bytes.Data(), bytes.Size(), 0, bytes.Size(), starts);
  return LineList(std::move(bytes), std::move(starts));
}

std::vector<std::string> SplitLines(std::string_view text) {
  const LineList list = LineList::FromText(std::string(text));
  std::vector<std::string> lines;
  lines.reserve(static_cast<size_t>(list.Count()));
  for (std::string_view line : list) lines.emplace_back(line);
  return lines;
}

}  // namespace vdbq
