#include "win32/Notice.h"

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
    // No owner and task-modal: the box is centred on the screen and the
    // program's windows take no clicks until it is answered.
    return MessageBoxA(nullptr, text.c_str(), caption.c_str(), flags | MB_TASKMODAL);
}

void ReplaceMessageBoxForTesting(MessageBoxFunction replacement) { Replacement() = std::move(replacement); }

}  // namespace plk
