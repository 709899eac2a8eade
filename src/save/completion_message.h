// The message that ends a save run, naming the destination as a link that opens it.
#pragma once

#include <string>
#include <string_view>

namespace xr::save {

// The destination is the box's text as typed, without the separator the run appends. It is both
// the link target and the link text. The target is quoted with single quotes; a destination that
// itself holds one (a folder such as "Bob's files" is legal on Windows) is quoted with double
// quotes instead, which no Windows path can contain, so the link still opens the whole path.
std::string CompletionMessage(std::string_view destination);

}  // namespace xr::save
