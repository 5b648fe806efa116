// The floating Play button, the program's main window.
#pragma once

#include "win32/Window.h"

namespace plk {

class TForm1 : public Window {
public:
    TForm1();

    // Reloads Library and NoLibrary from the index file beside the program.
    void ReadIndex();

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FormCreate();
    void paint();
};

}  // namespace plk
