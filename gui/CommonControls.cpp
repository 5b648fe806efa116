#include "gui/CommonControls.h"

#include <windows.h>
#include <commctrl.h>

#include "system/SystemLibrary.h"

namespace plk {

bool initCommonControls() {
    static const bool loaded = [] {
        using InitFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
        const auto init = systemFunction<InitFunction>("comctl32.dll", "InitCommonControlsEx");
        const INITCOMMONCONTROLSEX classes{sizeof classes,
                                           ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_HOTKEY_CLASS};
        return init && init(&classes);
    }();
    return loaded;
}

}  // namespace plk
