// Tandrel's own windows as a user meets them: the port list, the edit dialog
// and the message boxes, with the steps a user takes in each. Built on the
// window driver (Driver.h).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/Driver.h"

// Control identifiers of Tandrel's dialogs.
namespace ids {
const int kPortList = 1000, kNew = 1001, kEdit = 1002, kDelete = 1003, kConfigureQv = 1004,
          kApply = 1017;
const int kDeviceIp = 1005, kFind = 1006, kDevicePort = 1007, kComList = 1008, kComLabel = 1009,
          kConfigure = 1011, kProtocol = 1014;
const int kSearchAgain = 1012, kDeviceTree = 1013;
}  // namespace ids

// A message box of the program: its text, and the answer.
class MessageBoxScreen {
public:
    explicit MessageBoxScreen(HWND box) : m_box(box) {}
    std::string Text() const;
    // Presses IDOK, IDYES or IDNO and waits until the box is gone.
    void Answer(int button);
    HWND Handle() const { return m_box; }

private:
    HWND m_box;
};

// The edit dialog ("Dialog").
class EditScreen {
public:
    explicit EditScreen(HWND dialog) : m_dialog(dialog) {}

    bool ComListShown() const;
    bool ComLabelShown() const;
    std::string ComLabel() const;
    std::vector<std::string> ComItems() const;
    std::string SelectedCom() const;  // "" when none
    void ChooseCom(const std::string& item);

    std::vector<std::string> ProtocolItems() const;
    int ProtocolSelection() const;
    std::string ProtocolText() const;  // what the protocol field shows
    void ChooseProtocol(int index);

    std::string PortText() const;
    void TypePort(const std::string& text);

    // The four address fields, left to right.
    std::vector<std::string> AddressFields() const;
    void EnterAddress(BYTE a, BYTE b, BYTE c, BYTE d);
    void ClearAddress();

    void Click(int id) { ClickButton(m_dialog, id); }
    void Press(int id) { PressButton(m_dialog, id); }
    HWND Handle() const { return m_dialog; }

private:
    HWND m_dialog;
};

// The device finder ("Find Corvanes").
class FinderScreen {
public:
    explicit FinderScreen(HWND dialog) : m_dialog(dialog) {}

    std::vector<TreeNode> Tree() const { return ReadTree(::GetDlgItem(m_dialog, ids::kDeviceTree)); }
    // The top-level labels, in display order.
    std::vector<std::string> TopLabels() const;
    bool SearchAgainEnabled() const { return IsControlEnabled(m_dialog, ids::kSearchAgain); }
    void Select(HTREEITEM item) { SelectTreeItem(::GetDlgItem(m_dialog, ids::kDeviceTree), item); }
    void Click(int id) { ClickButton(m_dialog, id); }
    void Press(int id) { PressButton(m_dialog, id); }
    HWND Handle() const { return m_dialog; }

private:
    HWND m_dialog;
};

// A running Tandrel.exe and its port list window.
class PortListScreen {
public:
    PortListScreen();

    std::vector<std::string> Rows() const;
    int Selection() const;
    // The position of the row that starts with "COM<n> \t", or -1.
    int RowOf(int comNumber) const;
    void SelectRow(int index);
    bool Enabled(int id) const;

    // Presses a button whose handler opens nothing.
    void Press(int id) { PressButton(m_window, id); }
    // Presses a button that opens a dialog or message box.
    void Click(int id) { ClickButton(m_window, id); }

    EditScreen WaitForEditDialog();
    MessageBoxScreen WaitForMessageBox();
    FinderScreen WaitForFinder();
    bool HasMessageBox() const;
    // Waits until no dialog but the port list is open and it answers again.
    void WaitUntilOnlyWindow();

    // New: opens the edit dialog in new mode.
    EditScreen OpenNew();
    // Edit on the row of this COM number.
    EditScreen OpenEdit(int comNumber);

    bool WaitForExit(DWORD* exitCode = nullptr) { return m_program.WaitForExit(kUiTimeoutMs, exitCode); }
    ProgramUnderTest& Program() { return m_program; }
    HWND Handle() const { return m_window; }

private:
    ProgramUnderTest m_program;
    HWND m_window;
};
