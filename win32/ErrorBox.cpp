#include "win32/ErrorBox.h"

#include <windows.h>

#include <stdexcept>

#include "win32/Application.h"
#include "win32/Notice.h"

namespace plk {

std::string ErrorBoxText(std::string text) {
    if (text.empty() || text.back() != '.') text += '.';
    return text;
}

void ShowErrorBox(const std::string& text) {
    ShowMessageBox(ErrorBoxText(text), Application::Title(), MB_OK | MB_ICONERROR);
}

void ShowCurrentException() {
    try {
        throw;
    } catch (const std::exception& error) {
        ShowErrorBox(error.what());
    } catch (...) {
        ShowErrorBox("Unexpected error");
    }
}

}  // namespace plk
