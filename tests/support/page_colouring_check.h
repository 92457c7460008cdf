#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace vdbq::testing {

// Colours the lines as the schedule page's memo does, once plainly and once with hot spots and
// a selection, and checks that every run lies inside the text, in order and without overlap,
// and that every line decodes for display. Throws ExerciseFailure when one does not.
void CheckPageColouring(const std::vector<std::string>& lines, size_t selectionSeed);

}  // namespace vdbq::testing
