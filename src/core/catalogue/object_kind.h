#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vdbq {

// The kinds of object the database defines, in the order the diff reports them. None is a
// catalogue node that is no object: a heading, or the workstation above schedules or jobs.
enum class ObjectKind { Workstation, Schedule, Job, Calendar, Parameter, Prompt, Resource, None };
inline constexpr int kObjectKindCount = 7;  // the kinds of object, None not counted
inline constexpr std::array<ObjectKind, kObjectKindCount> kObjectKinds = {
    ObjectKind::Workstation, ObjectKind::Schedule, ObjectKind::Job,     ObjectKind::Calendar,
    ObjectKind::Parameter,   ObjectKind::Prompt,   ObjectKind::Resource};

// "workstation", "schedule", ...: the kind as the command line and the findings name it;
// "" for None.
const char* KindName(ObjectKind kind);
// "Workstation", "Schedule", ...: the kind at the start of a sentence.
const char* KindTitle(ObjectKind kind);
// The kind KindName gives that name; nothing for any other text.
std::optional<ObjectKind> KindOfName(std::string_view name);
// "workstations", "schedules", ...: the kind's name in listings of every kind (the diff).
const char* KindListName(ObjectKind kind);
// "Workstations", "Schedules", ...: the kind's heading in the catalogue tree.
const char* KindHeading(ObjectKind kind);
// The extract file that holds the kind's definitions.
const char* ExtractFileOf(ObjectKind kind);

// The kind of a catalogue node, by its level and the captions above it: level 0 is a heading;
// parentCaption and grandparentCaption are "" where there is none.
ObjectKind KindOfNode(int level, const std::string& parentCaption,
                      const std::string& grandparentCaption);

}  // namespace vdbq
