// Child controls of the program's dialogs, created in code at their pixel
// positions with the dialog font, and the few calls the dialogs make on them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "display/DisplayScale.h"
#include "gui/ControlLayout.h"

namespace plk {

// The font of every dialog, 8 point at a DPI: MS Sans Serif at 96 DPI,
// Microsoft Sans Serif at any other. Each lives for the whole run.
HFONT dialogFont(int dpi = kBaseDpi);

// The size text takes in font.
SIZE textSize(const std::string& text, HFONT font);

struct ControlParams {
    const char* className;  // "BUTTON", "EDIT", WC_LISTBOXA, STATUSCLASSNAMEA, ...
    std::string text;
    DWORD style;  // WS_CHILD | WS_VISIBLE are added
    int x, y, width, height;
    int id;
    DWORD exStyle = 0;
    // A control of UTF-16 text: it keeps what the code page cannot spell.
    bool unicode = false;
};

// Creates the control on parent with the dialog font. A width or height of 0
// sizes a label to its text. On one of the program's windows the place is
// scaled to the window's DPI, and kept in its layout for a change of DPI.
HWND createControl(HWND parent, const ControlParams& params);

// The controls of the program's dialogs, each made visible on parent with the
// dialog font. Controls are made in tab order: the z-order of a dialog's
// children is its tab order. The ones that take the focus are tab stops.
HWND makeGroupBox(HWND parent, int id, const std::string& caption, ControlRect rect);
// A label sized to its text; an ampersand is shown, not taken as an access key.
HWND makeLabel(HWND parent, int id, const std::string& text, int x, int y);
// A one-line label of fixed size: a longer text is clipped at its edge, not wrapped.
HWND makeFixedLabel(HWND parent, int id, const std::string& text, ControlRect rect);
HWND makeButton(HWND parent, int id, const std::string& caption, ControlRect rect);
// The button that Enter presses, drawn with the heavier border.
HWND makeDefaultButton(HWND parent, int id, const std::string& caption, ControlRect rect);
// An edit of UTF-16 text, so that a name typed or pasted in any script is
// kept as it is (read it with wideControlText).
HWND makeEdit(HWND parent, int id, const std::string& text, ControlRect rect);
// A single-selection list that tells its parent when the selection changes.
HWND makeListBox(HWND parent, int id, ControlRect rect);
// A field that takes a key combination as the user presses it.
HWND makeHotkeyField(HWND parent, int id, ControlRect rect);
// A status bar of one panel at the given place (not docked by the system).
HWND makeStatusBar(HWND parent, int id, ControlRect rect);

std::string controlText(HWND control);
void setControlText(HWND control, const std::string& text);
std::wstring wideControlText(HWND control);
void setControlText(HWND control, const std::wstring& text);
// The text of a one-panel status bar.
void setStatusBarText(HWND statusBar, const std::string& text);
void enableControl(HWND control, bool enable);
bool controlEnabled(HWND control);

// List box entries, in list order.
std::vector<std::string> listBoxItems(HWND listBox);

}  // namespace plk
