// The program's entry point: the single-instance lock and the application object, in that order,
// as the program's static objects, then the application's run.
#include <windows.h>

#include "ui/single_instance.h"
#include "ui/vantor_app.h"

namespace {

// Made before the application object exists, so a second copy started at any later moment finds
// it; closed when the process ends.
xr::ui::SingleInstanceLock g_instanceLock;
CVantorMSOfficeXlsxProjApp g_application(g_instanceLock);

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return g_application.Run(); }
