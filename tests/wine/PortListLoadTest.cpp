// The port list window's start, run in this process against the registry of
// the test prefix: which COM numbers it marks as taken.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "portlist/TandrelDlg.h"
#include "tests/support/Registry.h"
#include "tests/wine/StandInFixture.h"

namespace {

// The real window, closed as soon as it has initialised, with what it held then.
class InitialisedPortList : public CTandrelDlg {
public:
    std::vector<BYTE> comInUse;
    std::vector<std::string> rows;
    bool modified = true;
    std::vector<LRESULT> icons;  // own, big, small, drag
    std::vector<std::string> systemMenuTail;  // the last two items: "(separator)", then "text = id"

protected:
    BOOL OnInitDialog() override
    {
        const BOOL result = CTandrelDlg::OnInitDialog();
        comInUse.assign(ComInUse(), ComInUse() + 256);
        for (int i = 0; i < m_list.GetCount(); ++i) {
            std::string row;
            m_list.GetText(i, row);
            rows.push_back(row);
        }
        modified = m_bModified;
        icons = {reinterpret_cast<LRESULT>(m_hIcon), SendMessage(WM_GETICON, ICON_BIG, 0),
                 SendMessage(WM_GETICON, ICON_SMALL, 0), SendMessage(WM_QUERYDRAGICON, 0, 0)};
        HMENU menu = ::GetSystemMenu(m_hWnd, FALSE);
        for (int i = ::GetMenuItemCount(menu) - 2; i >= 0 && i < ::GetMenuItemCount(menu); ++i) {
            char text[64] = {};
            MENUITEMINFOA item = {};
            item.cbSize = sizeof(item);
            item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
            item.dwTypeData = text;
            item.cch = sizeof(text);
            ::GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &item);
            systemMenuTail.push_back((item.fType & MFT_SEPARATOR) ? "(separator)"
                                                                  : std::string(text) + " = " +
                                                                        std::to_string(item.wID));
        }
        EndDialog(IDCANCEL);
        return result;
    }
};

TEST(PortListLoad, MarksExistingPortsAndEveryMappingRead)
{
    DeleteMachineKey(kConfigKeyPath);
    SeedMapping("QVCOM5", {{"ConnectionType", Sz("UDP")}, {"PortSettings", Sz("Virtual:COM5:0")}});
    SeedMapping("Other", {{"ConnectionType", Sz("UDP")}, {"PortSettings", Sz("Virtual:COM91:0")}});
    SeedMapping("QVCOM300", {{"ConnectionType", Sz("UDP")}, {"PortSettings", Sz("Virtual:COM300:0")}});
    SeedMapping("QVCOM12", {{"ConnectionType", Sz("client")}, {"PortSettings", Sz("Virtual:COM12:0")}});
    SeedMapping("QVCOM40", {{"ConnectionType", Sz("CLIENT")}, {"PortSettings", Sz("Virtual:COM40:0")}});

    InitialisedPortList dlg;
    ASSERT_EQ(dlg.DoModal(), IDCANCEL);

    std::set<int> expected = ExistingComPorts();
    expected.insert({5, 91, 300 % 256});
    ASSERT_EQ(expected.count(12), 0u) << "the prefix has a COM12; the test needs it free";
    ASSERT_EQ(expected.count(40), 0u) << "the prefix has a COM40; the test needs it free";
    for (int n = 0; n < 256; ++n) {
        EXPECT_EQ(dlg.comInUse[static_cast<size_t>(n)] != 0, expected.count(n) == 1) << "entry " << n;
    }
    EXPECT_EQ(dlg.rows.size(), 3u);
    EXPECT_FALSE(dlg.modified);
    ASSERT_NE(dlg.icons[0], 0) << "icon 128 did not load";
    EXPECT_EQ(dlg.icons, std::vector<LRESULT>(4, dlg.icons[0])) << "window icons and drag icon";
    EXPECT_EQ(dlg.systemMenuTail, (std::vector<std::string>{"(separator)", "&About Tandrel... = 16"}));
    DeleteMachineKey(kConfigKeyPath);
}

}  // namespace
