#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace vdbq {

// The kinds of object two databases are compared by, in the order they are reported.
enum class ObjectKind { Workstation, Schedule, Job, Calendar, Parameter, Prompt, Resource };
inline constexpr int kObjectKindCount = 7;
inline constexpr std::array<ObjectKind, kObjectKindCount> kObjectKinds = {
    ObjectKind::Workstation, ObjectKind::Schedule, ObjectKind::Job,     ObjectKind::Calendar,
    ObjectKind::Parameter,   ObjectKind::Prompt,   ObjectKind::Resource};

// The extract file that holds a kind's definitions.
const char* ExtractFileOf(ObjectKind kind);
// "workstations", "schedules", ...: the kind's name in machine-readable output.
const char* KindName(ObjectKind kind);
// "Workstations", "Schedules", ...: the kind's heading.
const char* KindHeading(ObjectKind kind);

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
