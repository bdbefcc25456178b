#include "framework/ComboBox.h"

int CComboBox::AddString(const char* text)
{
    return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
}

int CComboBox::GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT, 0, 0)); }

int CComboBox::GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL, 0, 0)); }

int CComboBox::SetCurSel(int index)
{
    return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index), 0));
}

void CComboBox::GetLBText(int index, std::string& text) const
{
    text.clear();
    const LRESULT length = SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR) return;
    text.assign(static_cast<size_t>(length) + 1, '\0');
    const LRESULT copied =
        SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(copied == CB_ERR ? 0 : static_cast<size_t>(copied));
}
