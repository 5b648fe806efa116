// The Set Global Hotkeys dialog: a key-combination field for each of the two
// hotkeys. Both hotkeys are off while it has the keyboard; leaving it for
// another window registers the stored ones again. OK registers, stores and
// remembers both; Cancel, Esc and the close box register the stored ones
// again. Modeless; closing only hides it.
#pragma once

#include "app/HotkeyText.h"
#include "gui/DialogFocus.h"
#include "gui/ModelessDialog.h"

namespace plk {

class TForm1;

class TForm5 : public ModelessDialog {
public:
    // Child control ids, for GetDlgItem; created in this (the tab) order.
    enum ControlId { Button1 = 100, Button2, GroupBox1, Label1, HotKey1, GroupBox2, Label2, HotKey2 };

    // The hotkeys belong to the Play button window, which holds their texts.
    explicit TForm5(TForm1& form1);

    // Every time the dialog becomes the program's active window: HotKey1
    // gets the focus and both fields show the stored combinations again.
    void FormActivate();
    void Button1Click();  // OK
    void Button2Click();  // Cancel

    // The OK step of one field: the id's registration, its settings key and
    // its in-memory text.
    void registerHotkey(ShortCut value, int id);

    // A field's combination as a shortcut value, and the reverse.
    ShortCut fieldValue(ControlId field) const;
    void setFieldValue(ControlId field, ShortCut value);

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void createControls();
    void activate(WPARAM state, HWND other);

    TForm1& form1_;
    DialogFocus focus_;
    // The user left for another application while the dialog was active.
    bool leftProgram_ = false;
};

}  // namespace plk
