#pragma once

#include <istream>
#include <ostream>
#include <stdexcept>

#include "cli/options.h"
#include "core/solving.h"

namespace vaporin::cli {

// Standard output refused a write; the batch stops there.
class OutputNotWritten : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Solves every row of a CSV stream whose header names exactly two quantities, writing the other
// columns, the eight quantities and a status per row; a row that cannot be solved is reported
// and the batch goes on. Reads and writes as it goes. Throws UsageError for a header it cannot
// take.
void RunBatch(std::istream& in, std::ostream& out, std::ostream& messages,
              const Preferences& preferences, Precision digits);

}  // namespace vaporin::cli
