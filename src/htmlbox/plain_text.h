// The plain text of a message written in the message box's markup, for a box that cannot draw
// markup: line breaks become line feeds, a link shows its text, other tags are dropped and the
// common character entities are decoded.
#pragma once

#include <string>
#include <string_view>

std::wstring PlainTextOfMarkup(std::wstring_view markup);
