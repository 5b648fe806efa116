// The program's windows, created once at start in this order and reachable
// from each other through these pointers (null until created).
#pragma once

namespace plk {

class TForm1;  // the Play button, main window, owner of the program state
class TForm2;  // About
class TForm3;  // Rebuild Music Library
class TForm4;  // Song Tag popup
class TForm5;  // Set Global Hotkeys
class TForm6;  // Play Again button

struct Forms {
    static TForm1* Form1;
    static TForm2* Form2;
    static TForm3* Form3;
    static TForm4* Form4;
    static TForm5* Form5;
    static TForm6* Form6;
};

}  // namespace plk
