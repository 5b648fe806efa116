#include "win32/ErrorBox.h"

#include <windows.h>

#include <stdexcept>

#include "win32/Application.h"

namespace plk {

std::string ErrorBoxText(std::string text) {
    if (text.empty() || text.back() != '.') text += '.';
    return text;
}

void ShowErrorBox(const std::string& text) {
    MessageBoxA(Application::OwnerWindow(), ErrorBoxText(text).c_str(), Application::Title().c_str(),
                MB_OK | MB_ICONERROR);
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
