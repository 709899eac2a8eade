// Line-end conversion for console output.
#include "cli/console.h"

namespace xr::cli {

std::string WithLineEnds(std::string_view text, LineEnd lineEnd) {
  const std::string_view end = lineEnd == LineEnd::CrLf ? "\r\n" : "\n";
  std::string out;
  out.reserve(text.size() + 8);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;  // the \n follows
    if (text[i] == '\n')
      out += end;
    else
      out += text[i];
  }
  return out;
}

}  // namespace xr::cli
