#include "tests/support/Driver.h"

#include <commctrl.h>

#include <stdexcept>

namespace {

std::string Narrow(const std::wstring& text)
{
    if (text.empty()) return std::string();
    const int length = ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                             nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(length), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &narrow[0], length,
                          nullptr, nullptr);
    return narrow;
}

struct WindowsOfProcess {
    DWORD processId;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectWindowOfProcess(HWND hWnd, LPARAM lParam)
{
    auto* search = reinterpret_cast<WindowsOfProcess*>(lParam);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hWnd, &owner);
    if (owner == search->processId && ::IsWindowVisible(hWnd)) search->windows.push_back(hWnd);
    return TRUE;
}

bool IsDialog(HWND hWnd) { return ClassNameOf(hWnd) == "#32770"; }

// The texts of a list or combo box's items, through its count, length and
// text messages (wide: the ANSI ones lose text across processes).
std::vector<std::string> ItemTexts(HWND control, UINT countMessage, UINT lengthMessage, UINT textMessage)
{
    std::vector<std::string> items;
    const LRESULT count = ::SendMessageW(control, countMessage, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = ::SendMessageW(control, lengthMessage, static_cast<WPARAM>(i), 0);
        std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
        const LRESULT copied = ::SendMessageW(control, textMessage, static_cast<WPARAM>(i),
                                              reinterpret_cast<LPARAM>(&text[0]));
        text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
        items.push_back(Narrow(text));
    }
    return items;
}

}  // namespace

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition()) return true;
        if (::GetTickCount64() >= deadline) return false;
        ::Sleep(20);
    }
}

std::string TestProgramFolder()
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

ProgramUnderTest::ProgramUnderTest(const std::string& exeName)
{
    const std::string path = TestProgramFolder() + exeName;
    std::string commandLine = "\"" + path + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    if (!::CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &startup, &m_info)) {
        throw std::runtime_error("cannot start " + path);
    }
}

ProgramUnderTest::~ProgramUnderTest()
{
    if (IsRunning()) {
        ::TerminateProcess(m_info.hProcess, 99);
        ::WaitForSingleObject(m_info.hProcess, 5000);
    }
    ::CloseHandle(m_info.hThread);
    ::CloseHandle(m_info.hProcess);
}

bool ProgramUnderTest::IsRunning() const
{
    return ::WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT;
}

bool ProgramUnderTest::WaitForExit(DWORD timeoutMs, DWORD* exitCode)
{
    if (::WaitForSingleObject(m_info.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
    if (exitCode != nullptr) ::GetExitCodeProcess(m_info.hProcess, exitCode);
    return true;
}

std::vector<HWND> ProgramUnderTest::TopLevelWindows() const
{
    WindowsOfProcess search = {m_info.dwProcessId, {}};
    ::EnumWindows(&CollectWindowOfProcess, reinterpret_cast<LPARAM>(&search));
    return search.windows;
}

HWND ProgramUnderTest::WaitForMainWindow(DWORD timeoutMs)
{
    HWND found = nullptr;
    WaitFor(
        [&] {
            for (HWND hWnd : TopLevelWindows()) {
                if (IsDialog(hWnd) && ::GetDlgItem(hWnd, 1000) != nullptr) found = hWnd;
            }
            return found != nullptr;
        },
        timeoutMs);
    if (found == nullptr) throw std::runtime_error("the port list window did not appear");
    m_mainWindow = found;
    WaitUntilResponsive(found);
    return found;
}

HWND ProgramUnderTest::FindDialog(const std::string& caption) const
{
    for (HWND hWnd : TopLevelWindows()) {
        if (hWnd != m_mainWindow && IsDialog(hWnd) && WindowText(hWnd) == caption) return hWnd;
    }
    return nullptr;
}

HWND ProgramUnderTest::WaitForDialog(const std::string& caption, DWORD timeoutMs)
{
    HWND found = nullptr;
    WaitFor([&] { return (found = FindDialog(caption)) != nullptr; }, timeoutMs);
    if (found == nullptr) throw std::runtime_error("no dialog \"" + caption + "\" appeared");
    WaitUntilResponsive(found);
    return found;
}

std::string WindowText(HWND hWnd)
{
    // Wide messages: the ANSI ones lose text across processes under Wine.
    DWORD_PTR length = 0;
    if (!::SendMessageTimeoutW(hWnd, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kUiTimeoutMs, &length)) {
        return std::string();
    }
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    DWORD_PTR copied = 0;
    ::SendMessageTimeoutW(hWnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]),
                          SMTO_NORMAL, kUiTimeoutMs, &copied);
    text.resize(static_cast<size_t>(copied));
    return Narrow(text);
}

std::vector<std::string> ComboItems(HWND combo)
{
    return ItemTexts(combo, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

int ComboSelection(HWND combo) { return static_cast<int>(::SendMessageW(combo, CB_GETCURSEL, 0, 0)); }

void SetControlText(HWND control, const std::string& text)
{
    const std::wstring wide(text.begin(), text.end());
    ::SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void SelectComboItem(HWND combo, int index)
{
    ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::string ClassNameOf(HWND hWnd)
{
    char name[256] = {};
    ::GetClassNameA(hWnd, name, sizeof(name));
    return name;
}

std::vector<std::string> ListRows(HWND list)
{
    return ItemTexts(list, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}

int ListSelection(HWND list) { return static_cast<int>(::SendMessageW(list, LB_GETCURSEL, 0, 0)); }

bool IsControlEnabled(HWND dialog, int id)
{
    HWND control = ::GetDlgItem(dialog, id);
    if (control == nullptr) throw std::runtime_error("no control " + std::to_string(id));
    return ::IsWindowEnabled(control) != FALSE;
}

bool IsControlVisible(HWND dialog, int id)
{
    HWND control = ::GetDlgItem(dialog, id);
    if (control == nullptr) throw std::runtime_error("no control " + std::to_string(id));
    return ::IsWindowVisible(control) != FALSE;
}

std::vector<std::string> StaticTexts(HWND dialog)
{
    std::vector<std::string> texts;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        const LONG type = ::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK;
        const bool picture = type == SS_ICON || type == SS_BITMAP || type == SS_ENHMETAFILE;
        if (ClassNameOf(child) == "Static" && !picture) {
            const std::string text = WindowText(child);
            if (!text.empty()) texts.push_back(text);
        }
    }
    return texts;
}

void WaitUntilResponsive(HWND hWnd, DWORD timeoutMs)
{
    DWORD_PTR result = 0;
    if (!::SendMessageTimeoutW(hWnd, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result) &&
        ::IsWindow(hWnd)) {
        throw std::runtime_error("the window \"" + WindowText(hWnd) + "\" does not respond");
    }
}

namespace {

HWND PressableButton(HWND dialog, int id)
{
    HWND button = ::GetDlgItem(dialog, id);
    if (button == nullptr) throw std::runtime_error("no button " + std::to_string(id));
    if (!::IsWindowVisible(button) || !::IsWindowEnabled(button)) {
        throw std::runtime_error("button \"" + WindowText(button) + "\" cannot be pressed");
    }
    WaitUntilResponsive(dialog);
    return button;
}

}  // namespace

void ClickButton(HWND dialog, int id)
{
    // Posted, not sent: the click may open a modal dialog in the program.
    ::PostMessageW(PressableButton(dialog, id), BM_CLICK, 0, 0);
}

void PressButton(HWND dialog, int id)
{
    // Sent: the call returns once the click's handler has run.
    HWND button = PressableButton(dialog, id);
    DWORD_PTR result = 0;
    if (!::SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_NORMAL, kUiTimeoutMs, &result)) {
        throw std::runtime_error("pressing \"" + WindowText(button) + "\" did not finish");
    }
}

void ClickListRow(HWND list, int index)
{
    WaitUntilResponsive(list);
    const LRESULT top = ::SendMessageW(list, LB_GETTOPINDEX, 0, 0);
    const LRESULT height = ::SendMessageW(list, LB_GETITEMHEIGHT, 0, 0);
    const int y = static_cast<int>((index - top) * height + height / 2);
    const LPARAM at = MAKELPARAM(5, y);
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(list, WM_LBUTTONDOWN, MK_LBUTTON, at, SMTO_NORMAL, kUiTimeoutMs, &result);
    ::SendMessageTimeoutW(list, WM_LBUTTONUP, 0, at, SMTO_NORMAL, kUiTimeoutMs, &result);
}

void PressKey(HWND hWnd, UINT virtualKey)
{
    const UINT scanCode = ::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    ::PostMessageW(hWnd, WM_KEYDOWN, virtualKey, 1 | (scanCode << 16));
    const UINT character = ::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_CHAR);
    if (character != 0) ::PostMessageW(hWnd, WM_CHAR, character, 1 | (scanCode << 16));
    ::PostMessageW(hWnd, WM_KEYUP, virtualKey, 1 | (scanCode << 16) | 0xC0000000u);
}

void PostSystemCommand(HWND hWnd, UINT command)
{
    WaitUntilResponsive(hWnd);
    ::PostMessageW(hWnd, WM_SYSCOMMAND, command, 0);
}

void TypeChord(HWND window, std::initializer_list<WORD> keys)
{
    WaitUntilResponsive(window);
    ::SetForegroundWindow(window);
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        inputs.push_back(input);
    }
    for (auto key = keys.end(); key != keys.begin();) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *--key;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

namespace {

// Memory in another process, freed with the object.
class RemoteMemory {
public:
    RemoteMemory(HANDLE process, size_t size) : m_process(process)
    {
        m_address = ::VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        if (m_address == nullptr) throw std::runtime_error("cannot place a buffer in the program");
    }
    ~RemoteMemory() { ::VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE); }
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    void Write(const void* data, size_t size) { ::WriteProcessMemory(m_process, m_address, data, size, nullptr); }
    void Read(void* data, size_t size) const { ::ReadProcessMemory(m_process, m_address, data, size, nullptr); }
    void* Address() const { return m_address; }

private:
    HANDLE m_process;
    void* m_address;
};

class RemoteTreeReader {
public:
    explicit RemoteTreeReader(HWND tree) : m_tree(tree), m_process(OpenOwner(tree)),
        m_item(m_process, sizeof(TVITEMW)), m_text(m_process, kTextRoom * sizeof(wchar_t))
    {
    }
    ~RemoteTreeReader() { ::CloseHandle(m_process); }

    std::vector<TreeNode> Items(HTREEITEM first)
    {
        std::vector<TreeNode> nodes;
        for (HTREEITEM item = first; item != nullptr; item = Next(TVGN_NEXT, item)) {
            TreeNode node = Read(item);
            node.children = Items(Next(TVGN_CHILD, item));
            nodes.push_back(node);
        }
        return nodes;
    }

    HTREEITEM Next(UINT relation, HTREEITEM item) const
    {
        return reinterpret_cast<HTREEITEM>(
            ::SendMessageW(m_tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
    }

private:
    static const int kTextRoom = 512;

    static HANDLE OpenOwner(HWND window)
    {
        DWORD processId = 0;
        ::GetWindowThreadProcessId(window, &processId);
        HANDLE process = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
        if (process == nullptr) throw std::runtime_error("cannot open the program's process");
        return process;
    }

    TreeNode Read(HTREEITEM handle)
    {
        TVITEMW item = {};
        item.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_STATE;
        item.hItem = handle;
        item.stateMask = TVIS_STATEIMAGEMASK | TVIS_SELECTED;
        item.pszText = static_cast<wchar_t*>(m_text.Address());
        item.cchTextMax = kTextRoom;
        m_item.Write(&item, sizeof(item));
        ::SendMessageW(m_tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(m_item.Address()));
        m_item.Read(&item, sizeof(item));
        std::wstring text(kTextRoom, L'\0');
        m_text.Read(&text[0], kTextRoom * sizeof(wchar_t));
        text.resize(text.find(L'\0'));

        TreeNode node;
        node.handle = handle;
        node.text = Narrow(text);
        node.stateImage = static_cast<int>((item.state & TVIS_STATEIMAGEMASK) >> 12);
        node.selected = (item.state & TVIS_SELECTED) != 0;
        return node;
    }

    HWND m_tree;
    HANDLE m_process;
    RemoteMemory m_item;
    RemoteMemory m_text;
};

}  // namespace

std::vector<TreeNode> ReadTree(HWND tree)
{
    WaitUntilResponsive(tree);
    RemoteTreeReader reader(tree);
    return reader.Items(reader.Next(TVGN_ROOT, nullptr));
}

void SelectTreeItem(HWND tree, HTREEITEM item)
{
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item), SMTO_NORMAL,
                          kUiTimeoutMs, &result);
}
