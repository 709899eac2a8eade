// What the command line writes to: standard output for the activity log and listings, standard
// error for messages and progress, with the platform's line ends.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace xr::cli {

enum class LineEnd { Lf, CrLf };

struct Console {
  std::ostream& out;
  std::ostream& err;
  LineEnd lineEnd = LineEnd::Lf;
  bool progress = false;         // standard error is a terminal: show progress there
  bool stopOnInterrupt = false;  // Ctrl+C asks the running job to stop
};

// `text` with every line end ("\r\n" or a lone "\n") in the console's convention.
std::string WithLineEnds(std::string_view text, LineEnd lineEnd);

}  // namespace xr::cli
