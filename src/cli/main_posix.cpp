// The program's entry on POSIX: arguments arrive as bytes (UTF-8 by convention), and progress is
// shown only when standard error is a terminal. Times of day follow the user's locale.
#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "platform/console.h"

int main(int argc, char** argv) {
  std::setlocale(LC_TIME, "");
  const std::vector<std::string> args(argv + 1, argv + argc);
  xr::cli::Console console{std::cout, std::cerr, xr::cli::LineEnd::Lf,
                           xr::platform::PrepareConsole(), true};
  return xr::cli::RunCommandLine(args, console);
}
