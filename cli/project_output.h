#pragma once

#include <ostream>
#include <string>

#include "cli/options.h"
#include "core/solving.h"

namespace vaporin::cli {

// Prints the points of the project file `file`, each solved under `preferences` at the
// project's pressure (or the one the options give): a table in the chosen format, with each
// point's name and, for a point without a state at that pressure, why. Throws UsageError for a
// file that cannot be read as a project, naming why.
void PrintProject(const std::string& file, const Options& options, Preferences preferences,
                  std::ostream& out);

}  // namespace vaporin::cli
