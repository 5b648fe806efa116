#include "gui/ErrorBox.h"

#include <windows.h>

#include <stdexcept>

#include "gui/Application.h"
#include "system/Notice.h"

namespace plk {

std::string errorBoxText(std::string text) {
    if (text.empty() || text.back() != '.') text += '.';
    return text;
}

void showErrorBox(const std::string& text) {
    showMessageBox(errorBoxText(text), Application::title(), MB_OK | MB_ICONERROR);
}

void showCurrentException() {
    try {
        throw;
    } catch (const std::exception& error) {
        showErrorBox(error.what());
    } catch (...) {
        showErrorBox("Unexpected error");
    }
}

}  // namespace plk
