// Message maps: per-class tables from a message (and, for WM_COMMAND and
// WM_NOTIFY, a control identifier and notification code) to a member handler.
// Each table names its base class's table; a message no table handles takes
// the window's default path.
//
// Usage, in the class:           DECLARE_MESSAGE_MAP()
// and in its source file:        BEGIN_MESSAGE_MAP(CMyDlg, CDialog)
//                                    ON_BN_CLICKED(IDC_NEW, OnNew)
//                                END_MESSAGE_MAP()
//
// Each entry's handler is a small generated function that casts the target to
// the class and calls the member with the message's arguments unpacked, so a
// handler with the wrong signature is a compile error, not a runtime surprise.
#pragma once

#include <windows.h>

#include <type_traits>

class CCmdTarget;

struct MessageMapEntry {
    UINT message;
    UINT code;  // notification code; matched for WM_COMMAND and WM_NOTIFY only
    UINT id;    // control or command identifier; matched for WM_COMMAND and WM_NOTIFY only
    LRESULT (*handler)(CCmdTarget* target, WPARAM wParam, LPARAM lParam);
};

struct MessageMap {
    const MessageMap* (*base)();     // the base class's map; null at the root
    const MessageMapEntry* entries;  // ends with an entry whose handler is null
};

#define DECLARE_MESSAGE_MAP()                     \
protected:                                        \
    static const MessageMap* GetThisMessageMap(); \
    const MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                               \
    const MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); }        \
    const MessageMap* theClass::GetThisMessageMap()                                          \
    {                                                                                        \
        typedef theClass ThisClass;                                                          \
        typedef baseClass TheBaseClass;                                                      \
        static_assert(std::is_base_of<TheBaseClass, ThisClass>::value,                       \
                      "BEGIN_MESSAGE_MAP names a class that is not a base of " #theClass);  \
        static const MessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                     \
        {0, 0, 0, nullptr}};                                                  \
        static const MessageMap map = {&TheBaseClass::GetThisMessageMap, entries}; \
        return &map;                                                          \
    }

// A command from a menu, an accelerator or a button (code 0 = BN_CLICKED).
#define ON_COMMAND(id, memberFxn) ON_CONTROL(0, id, memberFxn)

// A WM_COMMAND notification with the given code from control id: void memberFxn().
#define ON_CONTROL(notifyCode, id, memberFxn)                                     \
    {WM_COMMAND, static_cast<UINT>(notifyCode), static_cast<UINT>(id),            \
     [](CCmdTarget* target, WPARAM, LPARAM) -> LRESULT {                          \
         static_cast<ThisClass*>(target)->memberFxn();                            \
         return 0;                                                                \
     }},

#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)

// A WM_NOTIFY notification: void memberFxn(NMHDR* pNMHDR, LRESULT* pResult).
#define ON_NOTIFY(notifyCode, id, memberFxn)                                      \
    {WM_NOTIFY, static_cast<UINT>(notifyCode), static_cast<UINT>(id),             \
     [](CCmdTarget* target, WPARAM, LPARAM lParam) -> LRESULT {                   \
         LRESULT result = 0;                                                      \
         static_cast<ThisClass*>(target)->memberFxn(reinterpret_cast<NMHDR*>(lParam), &result); \
         return result;                                                           \
     }},

// Any message: LRESULT memberFxn(WPARAM, LPARAM).
#define ON_MESSAGE(message, memberFxn)                                            \
    {static_cast<UINT>(message), 0, 0,                                            \
     [](CCmdTarget* target, WPARAM wParam, LPARAM lParam) -> LRESULT {            \
         return static_cast<ThisClass*>(target)->memberFxn(wParam, lParam);       \
     }},

// void OnSysCommand(UINT nID, LPARAM lParam)
#define ON_WM_SYSCOMMAND()                                                        \
    {WM_SYSCOMMAND, 0, 0, [](CCmdTarget* target, WPARAM wParam, LPARAM lParam) -> LRESULT { \
         static_cast<ThisClass*>(target)->OnSysCommand(static_cast<UINT>(wParam), lParam);  \
         return 0;                                                                \
     }},

// void OnPaint()
#define ON_WM_PAINT()                                                             \
    {WM_PAINT, 0, 0, [](CCmdTarget* target, WPARAM, LPARAM) -> LRESULT {          \
         static_cast<ThisClass*>(target)->OnPaint();                              \
         return 0;                                                                \
     }},

// HCURSOR OnQueryDragIcon()
#define ON_WM_QUERYDRAGICON()                                                     \
    {WM_QUERYDRAGICON, 0, 0, [](CCmdTarget* target, WPARAM, LPARAM) -> LRESULT {  \
         return reinterpret_cast<LRESULT>(static_cast<ThisClass*>(target)->OnQueryDragIcon()); \
     }},

// void OnTimer(UINT_PTR nIDEvent)
#define ON_WM_TIMER()                                                             \
    {WM_TIMER, 0, 0, [](CCmdTarget* target, WPARAM wParam, LPARAM) -> LRESULT {   \
         static_cast<ThisClass*>(target)->OnTimer(static_cast<UINT_PTR>(wParam)); \
         return 0;                                                                \
     }},
