#pragma once

#include <stdexcept>
#include <string>

#include "support/fuzz_input.h"

namespace vdbq::testing {

// An invariant that a run over a database broke.
class ExerciseFailure : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

// Throws ExerciseFailure with the message when the condition does not hold.
void Require(bool condition, const char* message);

// Does with one database everything a user can: loads the texts, builds the catalogue, shows
// every kind of page for objects the catalogue lists and for the input's search texts (with
// the schedule page's colouring), runs every report with search texts from the catalogue and
// from the input in one session, and after each run builds the CSV file and clipboard texts,
// the row keys and styles and, for a schedule detail, the HTML document; draws the schedule
// graph and the job graph of those schedules, runs the check, and compares each file with a
// changed copy of itself both ways. Audit lines go to logDir. Throws ExerciseFailure when an
// invariant breaks.
void ExerciseDatabase(FuzzInput input, const std::string& logDir);

}  // namespace vdbq::testing
