// Text of the save run's closing message box (message box markup: <br> and <a href>).
#include "save/completion_message.h"

namespace xr::save {

std::string CompletionMessage(std::string_view destination) {
  const char quote = destination.find('\'') == std::string_view::npos ? '\'' : '"';
  std::string text = "File(s) saving process has been completed.Saved file(s) location is:<br><a href=";
  text += quote;
  text += destination;
  text += quote;
  text += '>';
  text += destination;
  text += "</a>";
  return text;
}

}  // namespace xr::save
