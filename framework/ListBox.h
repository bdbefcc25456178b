// A list box control: thin wrappers of its messages.
#pragma once

#include <string>

#include "framework/Wnd.h"

class CListBox : public CWnd {
public:
    // Adds a row; in a sorted list box it goes to its place in text order.
    // Returns the row's position, or LB_ERR / LB_ERRSPACE.
    int AddString(const char* text);
    int DeleteString(UINT index);
    int GetCount() const;
    // The selected row of a single-selection list box, or LB_ERR (-1).
    int GetCurSel() const;
    int SetCurSel(int index);
    // The whole text of row index; empty when there is no such row.
    void GetText(int index, std::string& text) const;
    // One tab stop every cxEachStop dialog units.
    BOOL SetTabStops(const int& cxEachStop);
};
