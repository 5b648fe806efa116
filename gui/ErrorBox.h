#pragma once

#include <string>

namespace plk {

// The program's error box: the text, with a full stop appended when it does
// not end in one, captioned with the application title, error icon, OK.
void showErrorBox(const std::string& text);

// The text as the error box shows it.
std::string errorBoxText(std::string text);

// Runs a handler body; an exception escaping it ends the body and is shown in
// the error box, and the program carries on. Returns false when it failed.
template <typename Body>
bool runHandler(Body&& body);

}  // namespace plk

#include <exception>

namespace plk {

void showCurrentException();

template <typename Body>
bool runHandler(Body&& body) {
    try {
        body();
        return true;
    } catch (...) {
        showCurrentException();
        return false;
    }
}

}  // namespace plk
