#include "gui/HighContrast.h"

namespace plk {

bool highContrastOn() {
    HIGHCONTRASTA contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

bool contrastMayHaveChanged(UINT message, WPARAM wParam) {
    // Turning high contrast on or off changes the system's colours as well,
    // and a theme's colours can change while it stays on.
    return message == WM_SYSCOLORCHANGE || (message == WM_SETTINGCHANGE && wParam == SPI_SETHIGHCONTRAST);
}

}  // namespace plk
