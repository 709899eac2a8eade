// Runs the xlsx-repair command in-process with captured output, for the command line's tests.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/command_line.h"

namespace xr::cli::harness {

struct Result {
  int status = -1;
  std::string out, err;
};

inline Result RunXlsxRepair(const std::vector<std::string>& args, LineEnd lineEnd = LineEnd::Lf) {
  std::ostringstream out, err;
  Console console{out, err, lineEnd, false, false};
  Result result;
  result.status = RunCommandLine(args, console);
  result.out = out.str();
  result.err = err.str();
  return result;
}

inline std::vector<std::string> Lines(const std::string& text, const std::string& end = "\n") {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(end, start)) != std::string::npos; start = at + end.size()) {
    lines.push_back(text.substr(start, at - start));
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

}  // namespace xr::cli::harness
