// The document of a single-document program: a command target between the view and the frame.
#pragma once

#include "framework/command.h"

namespace wnd {

class Document : public CommandTarget {
 public:
  Document() = default;
  ~Document() override = default;
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;
};

}  // namespace wnd
