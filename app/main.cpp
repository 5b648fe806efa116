// Program entry: the application title, the windows created once and hidden
// in their fixed order, each handed what it needs of the windows before it,
// the message loop, the program's end made safe while every window still
// lives, and the windows destroyed in reverse order.
#include <windows.h>

#include "about/AboutDialog.h"
#include "app/HotkeyDialog.h"
#include "app/PlayButton.h"
#include "face/PlayAgainButton.h"
#include "face/SongTagPopup.h"
#include "gui/Application.h"
#include "gui/ErrorBox.h"
#include "library/RebuildDialog.h"
#include "resources/resource.h"
#include "system/ComApartment.h"
#include "system/ProcessSetup.h"
#include "system/StartupTrace.h"

namespace {

int runProgram() {
    plk::Application application("Plinkety", IDI_PLINKETY);
    plk::traceStartup("owner window");

    // The Play button: the main window, owner of the program state.
    plk::TForm1 form1;
    application.setMainWindow(form1.hwnd());
    plk::traceStartup("Play button created");
    // The shell asks its callers for a single-threaded apartment: a player
    // registered through a COM verb may not open otherwise. Nothing before
    // the first click calls the shell so, and entering the apartment takes
    // longer than showing the button: it is entered once the button shows.
    const plk::ComApartment apartment;

    plk::TForm2 form2;
    form1.setAboutDialog(form2);

    plk::TForm3 form3([&form1] { form1.ReadIndex(); });
    form1.setRebuildDialog(form3);

    plk::TForm4 form4({form1.hwnd(), [&form1] { return form1.StayOnTop; }, form1.Theme, form1.InvertLabels});
    form1.setSongTag(form4);

    plk::TForm5 form5(form1);
    form1.setHotkeyDialog(form5);

    plk::TForm6 form6({form1.hwnd(), form1.Theme, [&form1] { form1.playAgain(); }});
    form1.setPlayAgain(form6);
    plk::traceStartup("every window created");

    const int exitCode = application.run();
    form1.endRun();
    return exitCode;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    plk::traceStartup("WinMain");
    const plk::ProcessSetup process;

    // A window the system refuses to create ends the program, with the
    // system's reason in the error box rather than a silent abort.
    int exitCode = 1;
    plk::runHandler([&] { exitCode = runProgram(); });
    return exitCode;
}
