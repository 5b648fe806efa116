#pragma once

#include <string>

namespace plk {

// The program's error box: the text, with a full stop appended when it does
// not end in one, captioned with the application title, error icon, OK.
void ShowErrorBox(const std::string& text);

// The text as the error box shows it.
std::string ErrorBoxText(std::string text);

// Runs a handler body; an exception escaping it ends the body and is shown in
// the error box, and the program carries on. Returns false when it failed.
template <typename Body>
bool RunHandler(Body&& body);

}  // namespace plk

#include <exception>

namespace plk {

void ShowCurrentException();

template <typename Body>
bool RunHandler(Body&& body) {
    try {
        body();
        return true;
    } catch (...) {
        ShowCurrentException();
        return false;
    }
}

}  // namespace plk
