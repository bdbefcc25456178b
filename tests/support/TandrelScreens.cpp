#include "tests/support/TandrelScreens.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

std::string MessageBoxScreen::Text() const
{
    std::string text;
    for (const std::string& piece : StaticTexts(m_box)) text += piece;
    return text;
}

void MessageBoxScreen::Answer(int button)
{
    ClickButton(m_box, button);
    if (!WaitFor([&] { return !::IsWindow(m_box) || !::IsWindowVisible(m_box); })) {
        throw std::runtime_error("the message box did not close");
    }
}

bool EditScreen::ComListShown() const { return IsControlVisible(m_dialog, ids::kComList); }
bool EditScreen::ComLabelShown() const { return IsControlVisible(m_dialog, ids::kComLabel); }
std::string EditScreen::ComLabel() const { return WindowText(::GetDlgItem(m_dialog, ids::kComLabel)); }

std::vector<std::string> EditScreen::ComItems() const
{
    return ::ComboItems(::GetDlgItem(m_dialog, ids::kComList));
}

std::string EditScreen::SelectedCom() const
{
    const int selected = ComboSelection(::GetDlgItem(m_dialog, ids::kComList));
    return selected < 0 ? std::string() : ComItems()[static_cast<size_t>(selected)];
}

void EditScreen::ChooseCom(const std::string& item)
{
    const std::vector<std::string> items = ComItems();
    const auto found = std::find(items.begin(), items.end(), item);
    if (found == items.end()) throw std::runtime_error(item + " is not offered");
    SelectComboItem(::GetDlgItem(m_dialog, ids::kComList), static_cast<int>(found - items.begin()));
}

std::vector<std::string> EditScreen::ProtocolItems() const
{
    return ::ComboItems(::GetDlgItem(m_dialog, ids::kProtocol));
}

int EditScreen::ProtocolSelection() const { return ComboSelection(::GetDlgItem(m_dialog, ids::kProtocol)); }
std::string EditScreen::ProtocolText() const { return WindowText(::GetDlgItem(m_dialog, ids::kProtocol)); }
void EditScreen::ChooseProtocol(int index) { SelectComboItem(::GetDlgItem(m_dialog, ids::kProtocol), index); }

std::string EditScreen::PortText() const { return WindowText(::GetDlgItem(m_dialog, ids::kDevicePort)); }
void EditScreen::TypePort(const std::string& text) { SetControlText(::GetDlgItem(m_dialog, ids::kDevicePort), text); }

std::vector<std::string> EditScreen::AddressFields() const
{
    std::vector<std::pair<LONG, std::string>> fields;
    HWND control = ::GetDlgItem(m_dialog, ids::kDeviceIp);
    for (HWND child = ::GetWindow(control, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        RECT rect;
        ::GetWindowRect(child, &rect);
        fields.push_back({rect.left, WindowText(child)});
    }
    std::sort(fields.begin(), fields.end());
    std::vector<std::string> texts;
    for (const auto& field : fields) texts.push_back(field.second);
    return texts;
}

void EditScreen::EnterAddress(BYTE a, BYTE b, BYTE c, BYTE d)
{
    ::SendMessageW(::GetDlgItem(m_dialog, ids::kDeviceIp), IPM_SETADDRESS, 0, MAKEIPADDRESS(a, b, c, d));
}

void EditScreen::ClearAddress()
{
    ::SendMessageW(::GetDlgItem(m_dialog, ids::kDeviceIp), IPM_CLEARADDRESS, 0, 0);
}

std::vector<std::string> FinderScreen::TopLabels() const
{
    std::vector<std::string> labels;
    for (const TreeNode& node : Tree()) labels.push_back(node.text);
    return labels;
}

PortListScreen::PortListScreen() : m_window(m_program.WaitForMainWindow()) {}

std::vector<std::string> PortListScreen::Rows() const
{
    return ListRows(::GetDlgItem(m_window, ids::kPortList));
}

int PortListScreen::Selection() const { return ListSelection(::GetDlgItem(m_window, ids::kPortList)); }

int PortListScreen::RowOf(int comNumber) const
{
    const std::string prefix = "COM" + std::to_string(comNumber) + " \t";
    const std::vector<std::string> rows = Rows();
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].compare(0, prefix.size(), prefix) == 0) return static_cast<int>(i);
    }
    return -1;
}

void PortListScreen::SelectRow(int index) { ClickListRow(::GetDlgItem(m_window, ids::kPortList), index); }

bool PortListScreen::Enabled(int id) const { return IsControlEnabled(m_window, id); }

EditScreen PortListScreen::WaitForEditDialog() { return EditScreen(m_program.WaitForDialog("Dialog")); }

MessageBoxScreen PortListScreen::WaitForMessageBox()
{
    return MessageBoxScreen(m_program.WaitForDialog("Tandrel"));
}

FinderScreen PortListScreen::WaitForFinder() { return FinderScreen(m_program.WaitForDialog("Find Corvanes")); }

bool PortListScreen::HasMessageBox() const { return m_program.FindDialog("Tandrel") != nullptr; }

void PortListScreen::WaitUntilOnlyWindow()
{
    if (!WaitFor([&] {
            for (HWND hWnd : m_program.TopLevelWindows()) {
                if (hWnd != m_window && ClassNameOf(hWnd) == "#32770") return false;
            }
            return true;
        })) {
        throw std::runtime_error("a dialog stayed open");
    }
    WaitUntilResponsive(m_window);
}

EditScreen PortListScreen::OpenNew()
{
    Click(ids::kNew);
    return WaitForEditDialog();
}

EditScreen PortListScreen::OpenEdit(int comNumber)
{
    const int row = RowOf(comNumber);
    if (row < 0) throw std::runtime_error("no row for COM" + std::to_string(comNumber));
    SelectRow(row);
    Click(ids::kEdit);
    return WaitForEditDialog();
}
