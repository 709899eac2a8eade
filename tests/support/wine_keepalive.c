/* Holds Wine's desktop process open while ctest runs under Wine. Without it every GUI test process
   starts the desktop anew, which inherits ctest's output pipe and outlives the test by a second. */
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
  MSG message;
  (void)instance; (void)previous; (void)commandLine; (void)show;
  CreateWindowExW(0, L"STATIC", L"wine-keepalive", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, NULL, NULL);
  while (GetMessageW(&message, NULL, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
