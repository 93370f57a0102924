#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "cli/chart_file.h"
#include "settings/documents_folder.h"

namespace vaporin::cli {

inline constexpr int ExitSolved = 0;
inline constexpr int ExitNoState = 1;
inline constexpr int ExitUsage = 2;
inline constexpr int ExitNotWritten = 3;
// Standard output could not be written (a full disk, a closed stream): nothing the program
// printed can be trusted to be there.
inline constexpr int ExitOutputNotWritten = 4;

// The whole program: the arguments after the program's name, the standard streams and the
// environment, and the PNG writer of --chart when the program has one. Returns the exit
// status.
int Run(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
        std::ostream& err, const Environment& environment, const PngWriter& writePng = {});

}  // namespace vaporin::cli
