// CVantorMSOfficeXlsxProjDoc: the program's one document. It holds no data; its title comes from
// the document string of the frame's resources, and the frame's caption is built from it.
#pragma once

#include <string>
#include <string_view>

#include "framework/document.h"

class CVantorMSOfficeXlsxProjDoc : public wnd::Document {
 public:
  // Takes the title of a fresh document from a document string ("frame title\ndocument name\n..."):
  // its second part, or "Untitled" when that part is empty.
  void SetDefaultTitle(std::wstring_view documentString);
  const std::wstring& Title() const { return title_; }

  // Part `index` (from 0) of a document string; empty when there are fewer parts.
  static std::wstring DocumentStringPart(std::wstring_view text, int index);

 private:
  std::wstring title_;
};
