#include "win32/Notice.h"

#include "win32/Application.h"

namespace plk {
namespace {

MessageBoxFunction& Replacement() {
    static MessageBoxFunction replacement;
    return replacement;
}

}  // namespace

int ShowNotice(NoticeKind kind, const std::string& text, UINT buttons) {
    if (kind == NoticeKind::Warning) return ShowMessageBox(text, "Warning", buttons | MB_ICONWARNING);
    return ShowMessageBox(text, "Information", buttons | MB_ICONINFORMATION);
}

int ShowMessageBox(const std::string& text, const std::string& caption, UINT flags) {
    if (Replacement()) return Replacement()(text, caption, flags);
    // Owned by the application's window, which sits at the centre of the
    // screen, so the box is centred on the screen too.
    return MessageBoxA(Application::OwnerWindow(), text.c_str(), caption.c_str(), flags);
}

void ReplaceMessageBoxForTesting(MessageBoxFunction replacement) { Replacement() = std::move(replacement); }

}  // namespace plk
