#include "framework/ListBox.h"

int CListBox::AddString(const char* text)
{
    return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
}

int CListBox::DeleteString(UINT index)
{
    return static_cast<int>(SendMessage(LB_DELETESTRING, index, 0));
}

int CListBox::GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT, 0, 0)); }

int CListBox::GetCurSel() const { return static_cast<int>(SendMessage(LB_GETCURSEL, 0, 0)); }

int CListBox::SetCurSel(int index)
{
    return static_cast<int>(SendMessage(LB_SETCURSEL, static_cast<WPARAM>(index), 0));
}

void CListBox::GetText(int index, std::string& text) const
{
    text.clear();
    const LRESULT length = SendMessage(LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR) return;
    // LB_GETTEXTLEN may overstate (never understate) the length; the copy
    // tells the real one.
    text.assign(static_cast<size_t>(length) + 1, '\0');
    const LRESULT copied =
        SendMessage(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(copied == LB_ERR ? 0 : static_cast<size_t>(copied));
}

BOOL CListBox::SetTabStops(const int& cxEachStop)
{
    return static_cast<BOOL>(SendMessage(LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&cxEachStop)));
}
