// CWnd: a window handle with thin operations, and, for windows the framework
// runs itself (dialogs), the routing of their messages through message maps.
#pragma once

#include <windows.h>

#include <string>

#include "framework/CmdTarget.h"
#include "framework/Menu.h"

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override;

    HWND m_hWnd = nullptr;

    HWND GetSafeHwnd() const { return m_hWnd; }

    // Binds this object to an existing window without taking over its
    // messages (controls); Detach forgets the handle.
    void Attach(HWND hWnd) { m_hWnd = hWnd; }
    HWND Detach();

    // Thin operations: one Win32 call each.
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    void SetWindowText(const char* text);
    void GetWindowText(std::string& text) const;
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    CMenu GetSystemMenu(BOOL bRevert) const;
    BOOL IsIconic() const;
    void GetClientRect(LPRECT rect) const;
    HWND GetDlgItem(int nID) const;
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer);
    BOOL KillTimer(UINT_PTR nIDEvent);

protected:
    // Default handlers, for derived handlers to fall back on.
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnTimer(UINT_PTR nIDEvent);

    // The processing the window would get without the framework, for the
    // message being handled now.
    LRESULT Default();
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Looks the message up in the map chain; false when no entry handles it.
    virtual bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    // Takes over the messages of hWnd: from now on they reach OnWndMsg first
    // and the window's own procedure by default.
    void SubclassWindowProc(HWND hWnd);

    // Called once the window is gone (after WM_NCDESTROY).
    virtual void PostNcDestroy() {}

private:
    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    static CWnd* FromHandlePermanent(HWND hWnd);
    void UnsubclassWindowProc();

    struct Message {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    WNDPROC m_pfnSuper = nullptr;
    Message m_currentMessage = {0, 0, 0};
};
