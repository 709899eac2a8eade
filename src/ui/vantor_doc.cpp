// The document's title from the document string.
#include "ui/vantor_doc.h"

void CVantorMSOfficeXlsxProjDoc::SetDefaultTitle(std::wstring_view documentString) {
  title_ = DocumentStringPart(documentString, 1);
  if (title_.empty()) title_ = L"Untitled";
}

std::wstring CVantorMSOfficeXlsxProjDoc::DocumentStringPart(std::wstring_view text, int index) {
  for (int part = 0; part < index; ++part) {
    const size_t feed = text.find(L'\n');
    if (feed == std::wstring_view::npos) return {};
    text.remove_prefix(feed + 1);
  }
  return std::wstring(text.substr(0, text.find(L'\n')));
}
