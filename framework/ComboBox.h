// A combo box control: thin wrappers of its messages.
#pragma once

#include <string>

#include "framework/Wnd.h"

class CComboBox : public CWnd {
public:
    // Adds an item; in a sorted combo box it goes to its place in text order.
    int AddString(const char* text);
    int GetCount() const;
    // The selected item, or CB_ERR (-1) when none is.
    int GetCurSel() const;
    // Selects an item; an index outside the list leaves no item selected.
    int SetCurSel(int index);
    // The text of item index; empty when there is no such item.
    void GetLBText(int index, std::string& text) const;
};
