// Program entry: the application title, the windows created once and hidden
// in their fixed order, the message loop, and the windows destroyed in
// reverse order at the end.
#include <windows.h>
#include <commctrl.h>

#include "about/AboutDialog.h"
#include "app/Forms.h"
#include "app/HotkeyDialog.h"
#include "app/PlayButton.h"
#include "library/RebuildDialog.h"
#include "win32/Application.h"
#include "win32/DllSearch.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    plk::loadDllsFromSystemFolderOnly();
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&controls);

    plk::Application application("Plinkety");
    plk::TForm1 form1;
    plk::Forms::Form1 = &form1;
    plk::TForm2 form2;
    plk::TForm3 form3;
    plk::Forms::Form3 = &form3;
    plk::TForm5 form5(form1);

    // The Play button's menu items of the About and hotkey dialogs.
    form1.showAboutDialog = [&form2] { form2.showDialog(); };
    form1.showHotkeyDialog = [&form5] { form5.showDialog(); };
    return application.Run();
}
