#include "library/RebuildDialog.h"

namespace plk {

TForm3::TForm3() {
    WindowSpec spec;
    spec.className = "TForm3";
    spec.text = "Rebuild Music Library";
    spec.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    spec.width = 345;
    spec.height = 276;
    spec.clientSize = true;
    create(spec);
}

void TForm3::ShowDialog() { show(); }

}  // namespace plk
