// The one client view of a frame: a child window that fills the space between the bars, draws
// itself in OnDraw and is the first to receive the frame's commands.
#pragma once

#include "framework/command.h"
#include "framework/window.h"

namespace wnd {

class Document;
class Frame;

class View : public Window, public CommandTarget {
 public:
  // Creates the view inside the frame and makes it the frame's view.
  bool CreateView(Frame& frame, Document* document, UINT id = kIdFirstPane,
                  DWORD style = WS_CHILD | WS_VISIBLE, DWORD exStyle = 0);
  Document* document() const { return document_; }
  Frame* frame() const { return frame_; }

 protected:
  // Draws the view's own surface; both painting and printing of the client end here.
  virtual void OnDraw(HDC dc);
  void OnPaint() override;
  void OnPrintClient(HDC dc, UINT flags) override;

 private:
  Frame* frame_ = nullptr;
  Document* document_ = nullptr;
};

}  // namespace wnd
