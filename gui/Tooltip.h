// A tooltip: text that the system shows beside a control while the pointer
// rests on it.
#pragma once

#include <windows.h>

#include <string>

namespace plk {

class Tooltip {
public:
    // owner: the window the tooltip belongs to; tool: the control it speaks of.
    Tooltip(HWND owner, HWND tool, const std::string& text);
    ~Tooltip();
    Tooltip(const Tooltip&) = delete;
    Tooltip& operator=(const Tooltip&) = delete;

    HWND hwnd() const { return window_; }
    // The text the tooltip holds for its control.
    std::string text() const;

private:
    HWND window_;
    HWND owner_;
    HWND tool_;
};

}  // namespace plk
