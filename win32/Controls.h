// Child controls of the program's dialogs, created in code at their pixel
// positions with the dialog font, and the few calls the dialogs make on them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace plk {

// MS Sans Serif, 8 point: the font of every dialog. Lives for the whole run.
HFONT DialogFont();

struct ControlParams {
    const char* className;  // "BUTTON", "EDIT", WC_LISTBOXA, STATUSCLASSNAMEA, ...
    std::string text;
    DWORD style;  // WS_CHILD | WS_VISIBLE are added
    int x, y, width, height;
    int id;
    DWORD exStyle = 0;
};

// Creates the control on parent with the dialog font. A width or height of 0
// sizes a label to its text.
HWND CreateControl(HWND parent, const ControlParams& params);

std::string ControlText(HWND control);
void SetControlText(HWND control, const std::string& text);
void EnableControl(HWND control, bool enable);
bool ControlEnabled(HWND control);

// List box entries, in list order.
std::vector<std::string> ListBoxItems(HWND listBox);

}  // namespace plk
