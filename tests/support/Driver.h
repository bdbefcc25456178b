// Driving Tandrel.exe from outside, as a user would: the program runs in its
// own process and the tests find its windows, read them and press their
// buttons through window messages. Failures to find what a step needs throw
// std::runtime_error with a description, which fails the test.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

// Generous, because a loaded CI machine running Wine under Xvfb can be slow.
const DWORD kUiTimeoutMs = 20000;

// Polls condition every 20 ms until it holds; false after timeoutMs.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = kUiTimeoutMs);

// A program started from the folder of the running test program. The process
// is ended, if it still runs, when the object goes.
class ProgramUnderTest {
public:
    explicit ProgramUnderTest(const std::string& exeName = "Tandrel.exe");
    ~ProgramUnderTest();
    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

    DWORD ProcessId() const { return m_info.dwProcessId; }

    // The program's main window: the visible dialog holding the port list.
    HWND WaitForMainWindow(DWORD timeoutMs = kUiTimeoutMs);

    // A visible top-level dialog of this process with this caption, other
    // than the main window.
    HWND WaitForDialog(const std::string& caption, DWORD timeoutMs = kUiTimeoutMs);
    HWND FindDialog(const std::string& caption) const;

    // True once the process has ended; its exit code in *exitCode.
    bool WaitForExit(DWORD timeoutMs = kUiTimeoutMs, DWORD* exitCode = nullptr);
    bool IsRunning() const;

    // The visible top-level windows of this process.
    std::vector<HWND> TopLevelWindows() const;

private:
    PROCESS_INFORMATION m_info = {};
    HWND m_mainWindow = nullptr;
};

// The folder of the running test program, with a trailing backslash.
std::string TestProgramFolder();

// Window contents, read across processes.
// The text a window or control holds (asked with WM_GETTEXT, so that edit
// and combo box fields give their contents).
std::string WindowText(HWND hWnd);
std::string ClassNameOf(HWND hWnd);
std::vector<std::string> ListRows(HWND list);
int ListSelection(HWND list);
bool IsControlEnabled(HWND dialog, int id);
bool IsControlVisible(HWND dialog, int id);
// The texts of a dialog's static text controls, in child order (a message
// box's question is among them); pictures are left out.
std::vector<std::string> StaticTexts(HWND dialog);

// A tree view's items as the user sees them.
struct TreeNode {
    HTREEITEM handle;
    std::string text;
    int stateImage;  // the state image index (bits 12 to 15 of the state)
    bool selected;
    std::vector<TreeNode> children;
};

// Reads the whole tree of a tree view of another process. Its item messages
// carry pointers, which do not cross processes: the buffers are placed in
// the target process.
std::vector<TreeNode> ReadTree(HWND tree);

// Makes hItem the selected item, as a click on it would.
void SelectTreeItem(HWND tree, HTREEITEM item);

// Waits until the window's thread handles messages again (after a modal
// loop ends the thread may stay busy for a while).
void WaitUntilResponsive(HWND hWnd, DWORD timeoutMs = kUiTimeoutMs);

// The items of a combo box, and its selected item (-1 when none).
std::vector<std::string> ComboItems(HWND combo);
int ComboSelection(HWND combo);

// Presses an enabled, visible button of a dialog, and returns at once: for
// clicks that open a dialog or message box, which the test then waits for.
// Throws when the user could not press the button.
void ClickButton(HWND dialog, int id);

// Presses a button and returns once the program has handled the click: for
// clicks that open no dialog or message box.
void PressButton(HWND dialog, int id);

// Filling in controls the way typing or choosing from a list leaves them.
void SetControlText(HWND control, const std::string& text);
void SelectComboItem(HWND combo, int index);

// Clicks a row of a list box with the mouse (selecting it, with the list's
// own notification to its dialog); returns once the program has handled it.
void ClickListRow(HWND list, int index);

// Sends a key press (down, character for printable keys, up) to a window.
void PressKey(HWND hWnd, UINT virtualKey);

// Posts a system-menu command, as choosing its item in the system menu does.
void PostSystemCommand(HWND hWnd, UINT command);

// Real keyboard input: makes window the foreground window, then presses the
// keys in order and releases them in reverse (a chord such as Alt+Space).
void TypeChord(HWND window, std::initializer_list<WORD> keys);
