// The program's entry on Windows: wide arguments become UTF-8 (exactly, even for names that are
// not valid UTF-16), and the standard streams are binary so that the "\r\n" line ends written
// here are not doubled by the C runtime's text mode. Times of day follow the user's locale.
//
// The progress block is redrawn with VT escape sequences; the console is asked to interpret them
// (and to show UTF-8), and progress is left out where it cannot.
#include <fcntl.h>
#include <io.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "platform/console.h"
#include "platform/text.h"

int wmain(int argc, wchar_t** argv) {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  std::setlocale(LC_TIME, "");
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(xr::platform::Narrow(argv[i]));
  const bool terminal = xr::platform::PrepareConsole();
  xr::cli::Console console{std::cout, std::cerr, xr::cli::LineEnd::CrLf, terminal, true};
  return xr::cli::RunCommandLine(args, console);
}
