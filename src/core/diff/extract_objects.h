#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/catalogue/object_kind.h"

namespace vdbq {

// One definition in its extract: the key the catalogue shows it under, its lines
// [First, First + Count) and their bytes (line breaks between them included, the last one's
// not). Blank lines at its end are not part of it, so that moving a definition to the end of
// the file changes nothing.
struct ExtractObject {
  std::string_view Key;
  std::uint32_t First = 0;
  std::uint32_t Count = 0;
  std::string_view Text;
};

// Hands out the lines of a text one by one, split as the loader splits an extract (CR LF, lone
// CR or lone LF; no empty line after a final break), without copying.
class LineWalker {
 public:
  explicit LineWalker(std::string_view text);
  // The next line; false at the end of the text.
  bool Next(std::string_view& line);

 private:
  const char* at_;
  const char* end_;
  bool anyCr_;
  // The next LF at or after at_ (end_ when there is none), kept between lines so that a text
  // of CR-ended lines is not searched to its end once per line.
  const char* lf_ = nullptr;
};

// All lines of a text, as LineWalker hands them out.
std::vector<std::string_view> TextLines(std::string_view text);

// Splits an extract into the definitions of its kind, in file order, by the rules the
// catalogue builds its tree by: a workstation from its CPUNAME line through END, a schedule
// from its "SCHEDULE " line through its END line, a job from its definition line through
// RECOVERY, a calendar from its header line over its date lines, and one line for each
// parameter, prompt and resource. Lines outside every definition (file headers, CPUCLASS
// definitions, schedule keys without "#") belong to no object. Keys and texts point into text.
std::vector<ExtractObject> SplitObjects(ObjectKind kind, std::string_view text);

}  // namespace vdbq
