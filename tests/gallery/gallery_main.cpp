// The gallery: a program, built with the Windows build and never shipped, that shows every
// control, every look and all the art, so that anyone can look at them (scripts/screenshot).
//   gallery.exe [--page controls|art|windows|looks] [--look 210..218] [--close-after MILLISECONDS]
#include <windows.h>

#include <cwchar>
#include <memory>
#include <string>

#include "art_page.h"
#include "controls_page.h"
#include "framework/application.h"
#include "framework/document.h"
#include "framework/frame.h"
#include "framework/look.h"
#include "framework/resource_text.h"
#include "looks_page.h"
#include "resource.h"

namespace gallery {
namespace {

enum PageCommand : UINT { kPageControls = 40001, kPageArt, kPageWindows, kPageLooks };
constexpr UINT_PTR kCloseTimer = 1;

struct Options {
  UINT page = kPageControls;
  UINT look = wnd::kLookDefault;
  UINT closeAfter = 0;
};

Options ParseOptions() {
  Options options;
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  for (int i = 1; arguments && i + 1 < count; i += 2) {
    const std::wstring name = arguments[i], value = arguments[i + 1];
    if (name == L"--page") {
      if (value == L"art") options.page = kPageArt;
      if (value == L"windows") options.page = kPageWindows;
      if (value == L"looks") options.page = kPageLooks;
    } else if (name == L"--look") {
      options.look = static_cast<UINT>(wcstoul(value.c_str(), nullptr, 10));
    } else if (name == L"--close-after") {
      options.closeAfter = static_cast<UINT>(wcstoul(value.c_str(), nullptr, 10));
    }
  }
  LocalFree(arguments);
  return options;
}

class GalleryFrame : public wnd::Frame {
 public:
  bool Build(const Options& options) {
    if (!CreateFrame(L"Gallery - Tandrel xlsx Repair", IDR_MAINFRAME)) return false;
    SetMinimumTrackSize(SIZE{650, 450});
    CreateToolBarFromResource(IDR_TOOLBAR, IDB_PNG_TOOLBAR);
    CreateStatusBar(wnd::LoadText(IDS_IDLE_MESSAGE));
    HMENU pages = CreatePopupMenu();
    AppendMenuW(pages, MF_STRING, kPageControls, L"&Controls");
    AppendMenuW(pages, MF_STRING, kPageArt, L"&Workspace art");
    AppendMenuW(pages, MF_STRING, kPageWindows, L"W&indow art");
    AppendMenuW(pages, MF_STRING, kPageLooks, L"&Looks");
    AppendMenuW(Menu(), MF_POPUP, reinterpret_cast<UINT_PTR>(pages), L"&Page");
    HMENU looks = CreatePopupMenu();
    for (UINT id = wnd::kLookFirst; id <= wnd::kLookLast; ++id) {
      AppendMenuW(looks, MF_STRING, id,
                  (std::to_wstring(id) + L" " + wnd::LookFor(id).name).c_str());
    }
    AppendMenuW(Menu(), MF_POPUP, reinterpret_cast<UINT_PTR>(looks), L"&Looks");
    DrawMenuBar(hwnd());
    ApplyLook(options.look, nullptr);
    ShowPage(options.page);
    if (options.closeAfter > 0) SetTimer(hwnd(), kCloseTimer, options.closeAfter, nullptr);
    return true;
  }

 protected:
  bool HandleCommand(UINT id) override {
    if (id >= kPageControls && id <= kPageLooks) {
      ShowPage(id);
      return true;
    }
    return Frame::HandleCommand(id);
  }
  bool UpdateCommand(wnd::CommandState& state) override {
    if (state.id >= kPageControls && state.id <= kPageLooks) {
      state.radio = true;
      state.checked = state.id == shown_;
      return true;
    }
    return Frame::UpdateCommand(state);
  }
  void OnTimer(UINT_PTR id) override {
    if (id == kCloseTimer) {
      KillTimer(hwnd(), id);
      PostMessageW(hwnd(), WM_CLOSE, 0, 0);
      return;
    }
    Frame::OnTimer(id);
  }

 private:
  void ShowPage(UINT id) {
    SetView(nullptr);
    page_.reset();
    switch (id) {
      case kPageArt:
        page_ = std::make_unique<WorkspaceArtPage>();
        break;
      case kPageWindows:
        page_ = std::make_unique<WindowArtPage>();
        break;
      case kPageLooks:
        page_ = std::make_unique<LooksPage>();
        break;
      default:
        page_ = std::make_unique<ControlsPage>();
        break;
    }
    shown_ = id;
    if (page_->CreateView(*this, &document_)) page_->Populate();
    RecalcLayout();
  }

  wnd::Document document_;
  std::unique_ptr<Page> page_;
  UINT shown_ = 0;
};

class GalleryApplication : public wnd::Application {
 public:
  bool InitInstance() override {
    if (!Application::InitInstance()) return false;
    SetRegistryKey(L"TandrelxlsxRepairv2.0", L"Tandrel xlsx Repair Gallery");
    frame_ = std::make_unique<GalleryFrame>();
    if (!frame_->Build(ParseOptions())) return false;
    SetMainFrame(frame_.get());
    ShowWindow(frame_->hwnd(), SW_SHOWMAXIMIZED);
    UpdateWindow(frame_->hwnd());
    return true;
  }
  int ExitInstance() override {
    frame_.reset();  // windows and their pictures go before the image library stops
    return Application::ExitInstance();
  }

 private:
  std::unique_ptr<GalleryFrame> frame_;
};

}  // namespace
}  // namespace gallery

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  gallery::GalleryApplication application;
  return application.Run();
}
