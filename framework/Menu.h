// A menu handle the framework hands out; it does not own the menu.
#pragma once

#include <windows.h>

class CMenu {
public:
    explicit CMenu(HMENU hMenu = nullptr) : m_hMenu(hMenu) {}

    HMENU GetSafeHmenu() const { return m_hMenu; }

    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, const char* lpszNewItem = nullptr)
    {
        return ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
    }

    HMENU m_hMenu;
};
