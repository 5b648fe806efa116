// The Rebuild Music Library dialog.
#pragma once

#include "win32/Window.h"

namespace plk {

class TForm3 : public Window {
public:
    TForm3();

    // Shows the dialog without waiting for it.
    void ShowDialog();
};

}  // namespace plk
