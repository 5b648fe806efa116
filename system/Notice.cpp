#include "system/Notice.h"

#include "system/AnsiPath.h"

namespace plk {
namespace {

MessageBoxFunction& testReplacement() {
    static MessageBoxFunction replacement;
    return replacement;
}

}  // namespace

int showNotice(NoticeKind kind, const std::string& text, UINT buttons) {
    if (kind == NoticeKind::kWarning) return showMessageBox(text, "Warning", buttons | MB_ICONWARNING);
    return showMessageBox(text, "Information", buttons | MB_ICONINFORMATION);
}

int showNotice(NoticeKind kind, const std::wstring& text, UINT buttons) {
    const bool warning = kind == NoticeKind::kWarning;
    const UINT flags = buttons | (warning ? MB_ICONWARNING : MB_ICONINFORMATION);
    if (testReplacement()) return testReplacement()(lossyAnsiText(text), warning ? "Warning" : "Information", flags);
    return MessageBoxW(nullptr, text.c_str(), warning ? L"Warning" : L"Information", flags | MB_TASKMODAL);
}

int showMessageBox(const std::string& text, const std::string& caption, UINT flags) {
    if (testReplacement()) return testReplacement()(text, caption, flags);
    // No owner and task-modal: the box is centred on the screen and the
    // program's windows take no clicks until it is answered.
    return MessageBoxA(nullptr, text.c_str(), caption.c_str(), flags | MB_TASKMODAL);
}

void replaceMessageBoxForTesting(MessageBoxFunction replacement) { testReplacement() = std::move(replacement); }

}  // namespace plk
