#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vdbq {

// Bytes that are filled by a read rather than zeroed first; large ones sit on huge pages
// where the system offers them, so that filling them costs few page faults.
class ByteBuffer {
 public:
  ByteBuffer() = default;
  explicit ByteBuffer(size_t size);
  ByteBuffer(const ByteBuffer& other);
  ByteBuffer& operator=(const ByteBuffer& other);
  ByteBuffer(ByteBuffer&&) noexcept = default;
  ByteBuffer& operator=(ByteBuffer&&) noexcept = default;
  char* Data() { return data_.get(); }
  const char* Data() const { return data_.get(); }
  size_t Size() const { return size_; }

 private:
  struct Release {
    void operator()(char* bytes) const;
  };
  std::unique_ptr<char, Release> data_;
  size_t size_ = 0;
};

// Where each line of a text starts, then the end of the text: 4 bytes an offset while the text
// is shorter than 4 GiB, 8 beyond. The loader writes the offsets in place, several pieces at
// once, into room that is neither zeroed nor grown first.
class LineOffsets {
 public:
  LineOffsets() = default;
  // Room for `lines` line starts and the end of a text of textSize bytes.
  LineOffsets(size_t textSize, size_t lines);
  LineOffsets(const LineOffsets&) = default;
  LineOffsets& operator=(const LineOffsets&) = default;
  // A list moved from is empty, as a vector is.
  LineOffsets(LineOffsets&& other) noexcept
      : data_(std::move(other.data_)),
        size_(std::exchange(other.size_, 0)),
        wide_(std::exchange(other.wide_, false)) {}
  LineOffsets& operator=(LineOffsets&& other) noexcept {
    data_ = std::move(other.data_);
    size_ = std::exchange(other.size_, 0);
    wide_ = std::exchange(other.wide_, false);
    return *this;
  }
  bool Wide() const { return wide_; }
  uint32_t* Narrow() { return reinterpret_cast<uint32_t*>(data_.Data()); }
  size_t* WideData() { return reinterpret_cast<size_t*>(data_.Data()); }
  // How many offsets there are room for.
  size_t Size() const { return size_; }
  size_t At(size_t i) const {
    if (wide_) return reinterpret_cast<const size_t*>(data_.Data())[i];
    return reinterpret_cast<const uint32_t*>(data_.Data())[i];
  }
  void Set(size_t i, size_t offset) {
    if (wide_) {
      WideData()[i] = offset;
    } else {
      Narrow()[i] = static_cast<uint32_t>(offset);
    }
  }

 private:
  ByteBuffer data_;
  size_t size_ = 0;
  bool wide_ = false;
};

// An extract file as lines, indexed from 0. Reading at or past the end (or before the start)
// gives an empty line: several walks read one line past the end on purpose.
//
// The file's bytes are kept as they were read, line breaks included, with one offset per
// line, so a file costs its own size plus four bytes a line in memory and is never copied.
class LineList {
 public:
  LineList() = default;
  explicit LineList(const std::vector<std::string>& lines);
  // Splits text at CR LF, lone CR and lone LF.
  static LineList FromText(std::string text);
  // The same over bytes read straight from a file; lineStarts as FindLineStarts gives them.
  LineList(ByteBuffer bytes, const std::vector<size_t>& lineStarts);
  // The same with the starts already in place: room for one more, which takes the end.
  LineList(ByteBuffer bytes, LineOffsets lineStarts);
  // The lines of `base` with [first, end) read as empty, as if what stands there were left out
  // while every other line keeps its number. Shares base's bytes, which must outlive it; its
  // serial is its own, so nothing worked out from base is taken for it.
  static LineList WithLinesHidden(const LineList& base, long long first, long long end);

  std::string_view At(long long index) const {
    if (base_ != nullptr) {
      // A hidden line stays where it stood in the bytes, for the readers that ask its offset.
      const std::string_view line = base_->At(index);
      return index >= hiddenFirst_ && index < hiddenEnd_ ? line.substr(0, 0) : line;
    }
    if (index < 0 || index >= Count()) return {};
    const size_t i = static_cast<size_t>(index);
    const char* text = bytes_.Data();
    const size_t start = starts_.At(i);
    size_t end = starts_.At(i + 1);
    // The next line starts after this one's line break, if it has one.
    if (breaksKept_ && end > start) {
      if (text[end - 1] == '\n') {
        --end;
        if (end > start && text[end - 1] == '\r') --end;
      } else if (text[end - 1] == '\r') {
        --end;
      }
    }
    return std::string_view(text + start, end - start);
  }
  long long Count() const {
    if (base_ != nullptr) return base_->Count();
    return starts_.Size() == 0 ? 0 : static_cast<long long>(starts_.Size()) - 1;
  }
  bool IsEmpty() const { return Count() == 0; }
  // Where a view that At gave starts in the list's bytes.
  size_t OffsetOf(std::string_view line) const {
    if (base_ != nullptr) return base_->OffsetOf(line);
    return static_cast<size_t>(line.data() - bytes_.Data());
  }
  // The view of length bytes at offset (as OffsetOf gives it).
  std::string_view TextAt(size_t offset, size_t length) const {
    if (base_ != nullptr) return base_->TextAt(offset, length);
    return std::string_view(bytes_.Data() + offset, length);
  }
  // Tells lists apart that were made separately, so that what was worked out from one list
  // is not taken for another's; copies share it. 0 for an empty list made by default.
  unsigned long long Serial() const { return serial_; }

  class Iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = std::string_view;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = std::string_view;
    Iterator(const LineList* list, long long index) : list_(list), index_(index) {}
    std::string_view operator*() const { return list_->At(index_); }
    Iterator& operator++() {
      ++index_;
      return *this;
    }
    bool operator==(const Iterator& other) const { return index_ == other.index_; }

   private:
    const LineList* list_;
    long long index_;
  };
  Iterator begin() const { return Iterator(this, 0); }
  Iterator end() const { return Iterator(this, Count()); }

 private:
  ByteBuffer bytes_;
  // Offset of each line in bytes_, then the end of the text.
  LineOffsets starts_;
  // False when the lines were given one by one and stand back to back without breaks.
  bool breaksKept_ = true;
  unsigned long long serial_ = 0;
  // Set for a list made by WithLinesHidden, which reads its lines from base_.
  const LineList* base_ = nullptr;
  long long hiddenFirst_ = 0;
  long long hiddenEnd_ = 0;
};

// Appends to starts, in order, the offsets of text at which a line begins because of a line
// break in [from, to): after every LF, and after every CR that no LF follows. Offset 0 is
// added when the range starts at 0 and is not empty; the offset after a final line break is
// not a line. A CR just before `to` reads the byte at `to`, so split pieces of one text must all
// be in place before they are scanned; the pieces' offsets then join in order.
void FindLineStarts(const char* text, size_t size, size_t from, size_t to,
                    std::vector<size_t>& starts);

// The lines of a text, split as LineList::FromText splits them. The empty line after a final
// line break is not counted; lines are never split anywhere else.
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace vdbq
