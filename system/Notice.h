// The program's questions and notices: modal message boxes centred on the
// screen, captioned by their kind, with the kind's icon.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace plk {

enum class NoticeKind { kInformation, kWarning };

// buttons: MB_OK or MB_OKCANCEL. Returns IDOK, IDCANCEL, ...
int showNotice(NoticeKind kind, const std::string& text, UINT buttons = MB_OK);

// The same for a text that names what the code page cannot spell (a folder
// in another script). A test's replacement gets it with '?' for such letters.
int showNotice(NoticeKind kind, const std::wstring& text, UINT buttons = MB_OK);

// Every message box of the program goes through here (the error box too).
int showMessageBox(const std::string& text, const std::string& caption, UINT flags);

// Tests answer the boxes themselves instead of a user: the function is called
// in place of the system's message box until it is replaced by an empty one.
using MessageBoxFunction = std::function<int(const std::string& text, const std::string& caption, UINT flags)>;
void replaceMessageBoxForTesting(MessageBoxFunction replacement);

}  // namespace plk
