#include "support/large_inputs.h"

#include <cstdio>

namespace vdbq::testing {
namespace {

constexpr size_t kMegabyteLine = 2 << 20;
// Lists of many items make one result row per item, so they stay shorter.
constexpr size_t kListLine = 256 << 10;
constexpr size_t kHashes = 100000;

enum FileIndex : size_t { kSchedules, kJobs, kParms, kResources, kCalendars, kPrompts, kCpus };

std::string Repeated(std::string_view piece, size_t totalSize) {
  std::string text;
  text.reserve(totalSize + piece.size());
  while (text.size() < totalSize) text += piece;
  return text;
}

LargeInput Database(std::string name, std::vector<std::string> searches) {
  LargeInput large{std::move(name), {}};
  large.Input.Searches = std::move(searches);
  return large;
}

// A database whose objects all carry `name` as their name.
LargeInput NamedObjects(std::string label, const std::string& name) {
  LargeInput large = Database(std::move(label), {"CPU1#" + name, name});
  ExtractTexts& t = large.Input.Texts;
  t[kSchedules] = "SCHEDULE CPU1#" + name + "\nON " + name + "\nFOLLOWS CPU1#" + name +
                  ".@\nNEEDS 1 " + name + "\nPROMPT " + name + "\n:\n CPU1#" + name +
                  "\n  FOLLOWS " + name + "\nEND\n";
  t[kJobs] = "CPU1#" + name + " DOCOMMAND \"^" + name + "^\"\n     STREAMLOGON " + name +
             "\n     RECOVERY STOP\n";
  t[kParms] = "$PARM\n" + name + " \"" + name + "\"\n";
  t[kResources] = "$RESOURCE\nCPU1#" + name + "\t  1\t\"" + name + "\"\n";
  t[kCalendars] = "$CALENDAR\n" + name + "\t\"" + name + "\"\n  01/01/27\n";
  t[kPrompts] = "$PROMPT\n" + name + " \"" + name + "\"\n";
  t[kCpus] = "CPUNAME CPU1\nOS UNIX\nEND\nCPUNAME " + name + "\nDESCRIPTION \"" + name +
             "\"\nEND\nCPUCLASS " + name + "\nMEMBERS " + name + "\nEND\n";
  return large;
}

}  // namespace

std::vector<LargeInput> MegabyteLineInputs() {
  std::vector<LargeInput> inputs;
  inputs.push_back(NamedObjects("megabyte names", std::string(kMegabyteLine, 'A')));

  const std::string target(kMegabyteLine, 'B');
  LargeInput follows = Database("megabyte follows references", {"CPU1#S1", "CPU1#" + target});
  follows.Input.Texts[kSchedules] = "SCHEDULE CPU1#" + target +
                                    "\n:\n CPU1#J\nEND\n"
                                    "SCHEDULE CPU1#S1\nFOLLOWS CPU1#" +
                                    target + ".@\n:\n CPU1#J1\n  FOLLOWS CPU1#" + target +
                                    ".J\n  FOLLOWS " + target +
                                    "\nEND\n"
                                    "SCHEDULE CPU1#S2\nFOLLOWS " +
                                    std::string(kMegabyteLine, '.') + "\n:\n CPU1#J2\n  FOLLOWS " +
                                    std::string(kMegabyteLine, ',') + "\nEND\n";
  inputs.push_back(std::move(follows));

  LargeInput lists = Database("megabyte clause lists", {"CPU1#S1", "CAL", "R", "P"});
  ExtractTexts& t = lists.Input.Texts;
  t[kSchedules] = "SCHEDULE CPU1#S1\nON " + Repeated("CAL,", kListLine) + "\nEXCEPT " +
                  Repeated("CAL,", kListLine) + "X\nFOLLOWS " + Repeated("S1.J,", kListLine) +
                  "X\nNEEDS " + Repeated("1 R,", kListLine) + "X\nPROMPT " +
                  Repeated("P,", kListLine) + "X\nOPENS " + Repeated("F,", kListLine) +
                  "X\n:\n CPU1#J1 " + Repeated("CONFIRMED ", kListLine) + "\n  FOLLOWS " +
                  Repeated("J1,", kListLine) + "J1\n  NEEDS " + Repeated("1 R,", kListLine) +
                  "R\nEND\n";
  t[kJobs] = "CPU1#J1 DOCOMMAND \"" + Repeated("^P^", kListLine) + "\"\n";
  t[kParms] = "$PARM\nP \"v\"\n";
  t[kResources] = "$RESOURCE\nCPU1#R\t1\t\"\"\n";
  t[kCalendars] = "$CALENDAR\nCAL\t\"c\"\n " + Repeated(" 01/01/27", kListLine) + "\n";
  t[kPrompts] = "$PROMPT\nP \"p\"\n";
  t[kCpus] =
      "CPUNAME CPU1\nOS UNIX\nEND\nCPUCLASS C\nMEMBERS " + Repeated("CPU1 ", kListLine) + "\nEND\n";
  inputs.push_back(std::move(lists));

  const std::string mixed = Repeated("SCHEDULE A#B.C,: END \t\"^*#", kMegabyteLine);
  LargeInput unstructured = Database("megabyte mixed lines", {mixed.substr(0, 1000)});
  for (std::string& text : unstructured.Input.Texts) text = mixed + "\n" + mixed + "\n";
  unstructured.Input.Texts[kSchedules] = "SCHEDULE A#B\n" + mixed + "\n:\n" + mixed + "\nEND\n";
  inputs.push_back(std::move(unstructured));

  // Search texts that a plain substring search would compare almost whole at every place of
  // the keys and lines made of their repeats.
  const std::string repeats(kMegabyteLine / 2, 'A');
  LargeInput searches =
      NamedObjects("megabyte repetitive searches", std::string(kMegabyteLine, 'A'));
  searches.Input.Searches = {repeats + "B", "CPU1#" + repeats + "B", repeats + "#" + repeats};
  inputs.push_back(std::move(searches));

  LargeInput blanks = Database("megabyte blank lines", {std::string(kMegabyteLine, ' ')});
  for (std::string& text : blanks.Input.Texts) {
    text = std::string(kMegabyteLine, ' ') + "\n" + std::string(kMegabyteLine, '\t') + "\n";
  }
  inputs.push_back(std::move(blanks));
  return inputs;
}

std::vector<LargeInput> UnbrokenLineInputs() {
  std::vector<LargeInput> inputs;
  std::vector<std::string> lines{"", " ", ":", "END", "SCHEDULE A#B", "SCHEDULE ", "CPUNAME A"};
  for (const char* line : {"CPUCLASS A", "A#B DOCOMMAND x", "$CALENDAR", "$PARM", "P \"v\"", "\"",
                           "#", "FOLLOWS A#B.C,", "ON X,", "\r"}) {
    lines.push_back(line);
  }
  lines.push_back("SCHEDULE A#" + std::string(kMegabyteLine, 'B'));
  for (const std::string& line : lines) {
    LargeInput large = Database("every file the one line <" + line.substr(0, 20) + ">",
                                {"A#B", "A", line.substr(0, 100)});
    for (std::string& text : large.Input.Texts) text = line;
    inputs.push_back(std::move(large));
  }
  return inputs;
}

LargeInput EndLinesInput(size_t count) {
  LargeInput large = Database(std::to_string(count) + " END lines", {"A#B", "A#C"});
  large.Input.Texts[kSchedules] = Repeated("END\n", count * 4) + "SCHEDULE A#B\n:\nA#J\n";
  large.Input.Texts[kCpus] = "CPUNAME A\nEND\n";
  return large;
}

std::vector<LargeInput> ManyHashInputs() {
  const std::string hashes(kHashes, '#');
  const std::string between = "A" + hashes + "B";
  std::vector<LargeInput> inputs;
  for (const std::string* name : {&hashes, &between}) {
    LargeInput large = NamedObjects(std::to_string(kHashes) + " hashes", *name);
    large.Input.Searches.push_back(hashes);
    large.Input.Searches.push_back(between);
    large.Input.Texts[kSchedules] +=
        "SCHEDULE " + *name + "\n:\n " + *name + "\n  FOLLOWS " + *name + "." + *name + "\nEND\n";
    large.Input.Texts[kJobs] += *name + " DOCOMMAND x\n";
    inputs.push_back(std::move(large));
  }
  return inputs;
}

std::vector<LargeInput> FollowsCycleInputs(size_t count) {
  auto name = [](size_t k) { return "S" + std::to_string(k); };
  std::vector<LargeInput> inputs;

  LargeInput ring = Database("ring of " + std::to_string(count) + " schedules",
                             {"CPU1#S0", "CPU1#S" + std::to_string(count / 2)});
  std::string& rings = ring.Input.Texts[kSchedules];
  for (size_t k = 0; k < count; ++k) {
    const std::string next = name((k + 1) % count);
    rings += "SCHEDULE CPU1#" + name(k) + "\nFOLLOWS CPU1#" + next + ".@\n:\n CPU1#J" +
             std::to_string(k) + "\n  FOLLOWS " + next + ".J" + std::to_string((k + 1) % count) +
             "\nEND\n";
  }
  ring.Input.Texts[kCpus] = "CPUNAME CPU1\nEND\n";
  inputs.push_back(std::move(ring));

  LargeInput jobs =
      Database("schedule of " + std::to_string(count) + " jobs in a ring", {"CPU1#RING"});
  std::string& jobRing = jobs.Input.Texts[kSchedules];
  jobRing = "SCHEDULE CPU1#RING\n:\n";
  for (size_t k = 0; k < count; ++k) {
    jobRing += " CPU1#J" + std::to_string(k) + "\n  FOLLOWS J" + std::to_string((k + 1) % count) +
               "\n  AT " + std::to_string(1000 + k % 1300) + "\n";
  }
  jobRing += "END\n";
  inputs.push_back(std::move(jobs));

  LargeInput chain = Database("chain of " + std::to_string(count) + " schedules, last first",
                              {"CPU1#S0", "CPU1#S" + std::to_string(count - 1)});
  std::string& chains = chain.Input.Texts[kSchedules];
  for (size_t k = count; k-- > 0;) {
    chains += "SCHEDULE CPU1#" + name(k) + "\n";
    if (k > 0) chains += "FOLLOWS CPU1#" + name(k - 1) + ".@\n";
    chains += ":\n CPU1#J\nEND\n";
  }
  inputs.push_back(std::move(chain));
  return inputs;
}

LargeInput ManyWorkstationsInput(size_t count) {
  LargeInput large = Database(std::to_string(count) + " workstations", {"W1", "W1#S", "V1#J"});
  ExtractTexts& t = large.Input.Texts;
  for (size_t k = 0; k < count; ++k) {
    const std::string n = std::to_string(k);
    t[kCpus] += "CPUNAME W" + n + "\nOS UNIX\nEND\n";
    const std::string cpu = (k % 2 == 0 ? "W" : "V") + n;
    t[kSchedules] += "SCHEDULE " + cpu + "#S\n:\n " + cpu + "#J\nEND\n";
    t[kJobs] += cpu + "#J DOCOMMAND x\n";
  }
  return large;
}

LargeInput SameNameChainInput(size_t count) {
  LargeInput large = Database("chain of " + std::to_string(count) + " schedules of one name",
                              {"W0#X", "W" + std::to_string(count / 2) + "#X"});
  std::string& text = large.Input.Texts[kSchedules];
  for (size_t k = 0; k < count; ++k) {
    text += "SCHEDULE W" + std::to_string(k) + "#X\n";
    if (k > 0) text += "FOLLOWS W" + std::to_string(k - 1) + "#X.@\n";
    text += ":\n J\nEND\n";
  }
  return large;
}

LargeInput CommaJobKeysInput(size_t count) {
  LargeInput large = Database(std::to_string(count) + " job keys with commas", {"A"});
  ExtractTexts& t = large.Input.Texts;
  t[kSchedules] = "SCHEDULE A#S\n:\n";
  for (size_t k = 0; k < count; ++k) {
    const std::string n = std::to_string(k);
    t[kJobs] += "A,B" + n + "#J DOCOMMAND x\n";
    t[kSchedules] += " A#J" + n + "\n";
  }
  t[kSchedules] += "END\n";
  return large;
}

const std::string& RepeatedBytes() {
  static const std::string bytes("\nA# ,:\t\"\r\x00\xff", 11);
  return bytes;
}

LargeInput RepeatedByteInput(char byte, size_t size, size_t file) {
  char label[64];
  std::snprintf(label, sizeof label, "%zu bytes 0x%02x in %s", size,
                static_cast<unsigned>(static_cast<unsigned char>(byte)), kExtractLoadOrder[file]);
  LargeInput large = Database(label, {std::string(1, byte), std::string(100, byte)});
  large.Input.Texts[file] = std::string(size, byte);
  return large;
}

}  // namespace vdbq::testing
