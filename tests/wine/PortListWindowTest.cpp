// Tandrel.exe started with a seeded connector configuration and looked at from
// outside: its rows, their order, its buttons, its about box.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/Driver.h"
#include "tests/support/Registry.h"

namespace {

const int kList = 1000, kNew = 1001, kEdit = 1002, kDelete = 1003, kConfigure = 1004, kApply = 1017;

class PortListWindow : public ::testing::Test {
protected:
    void SetUp() override { DeleteMachineKey(kConfigKeyPath); }
    void TearDown() override { DeleteMachineKey(kConfigKeyPath); }

    void ExpectFreshWindowButtons(HWND window)
    {
        for (int id : {kEdit, kDelete, kConfigure, kApply}) {
            EXPECT_FALSE(IsControlEnabled(window, id)) << "control " << id;
        }
        for (int id : {IDOK, IDCANCEL, kNew}) EXPECT_TRUE(IsControlEnabled(window, id)) << "control " << id;
    }

    // Closes the window with Cancel, as the user would with nothing changed.
    void CloseWithCancel(ProgramUnderTest& program, HWND window)
    {
        ClickButton(window, IDCANCEL);
        DWORD exitCode = 1;
        ASSERT_TRUE(program.WaitForExit(kUiTimeoutMs, &exitCode));
        EXPECT_EQ(exitCode, 0u);
    }
};

TEST_F(PortListWindow, ListsEveryMappingOnceInTextOrder)
{
    SeedMapping("QVCOM2", {{"ConnectionType", Sz("CLIENT")},
                           {"NetSettings", MultiSz("10.1.2.3:4001:1:0:7000:1000")},
                           {"PortSettings", Sz("Virtual:COM2:0")},
                           {"ProtocolSetttings", Sz("RAW:1:5000:2:2")}});
    SeedMapping("QVCOM10", {{"ConnectionType", Sz("UDP")},
                            {"NetSettings", Sz("192.168.1.10:5000:0")},
                            {"PortSettings", Sz("Virtual:COM10:0")}});
    SeedMapping("COM7", {{"ConnectionType", Sz("CLIENT")},
                         {"NetSettings", Sz("172.16.0.1:23")},
                         {"PortSettings", Sz("Virtual:COM7:0")},
                         {"ProtocolSetttings", Sz("TELNET:1:5000:1:1000:1:1:1")}});
    SeedMapping("QVCOM300", {{"ConnectionType", Sz("UDP")},
                             {"NetSettings", Sz("300.1.2.3:70000")},
                             {"PortSettings", Sz("Virtual:COM300:0")}});
    SeedMapping("QVCOM1", {{"ConnectionType", Sz("UDP")},
                           {"PortSettings", Sz("Virtual:COM1:0")}});
    // Not mappings: no row for any of these.
    SeedMapping("QVCOM3", {{"ConnectionType", Sz("client")},
                           {"ProtocolSetttings", Sz("RAW")},
                           {"PortSettings", Sz("Virtual:COM3:0")}});
    SeedMapping("QVCOM4", {{"ConnectionType", Sz("CLIENT")}, {"PortSettings", Sz("Virtual:COM4:0")}});
    SeedMapping("QVCOM6", {{"ConnectionType", Sz("UDP")}, {"PortSettings", Sz("COM6")}});
    SeedMapping("QVCOM8", {{"ConnectionType", Sz("UDP")}, {"PortSettings", Sz("Virtual:COM0:0")}});

    ProgramUnderTest program;
    HWND window = program.WaitForMainWindow();
    EXPECT_EQ(WindowText(window), "Tandrel");

    EXPECT_EQ(ListRows(::GetDlgItem(window, kList)),
              (std::vector<std::string>{
                  "COM1 \t0.0.0.0\t  port: 0\t UDP",
                  "COM10 \t192.168.1.10\t  port: 5000\t UDP",
                  "COM2 \t10.1.2.3\t  port: 4001\t TCP",
                  "COM300 \t44.1.2.3\t  port: 4464\t UDP",
                  "COM7 \t172.16.0.1\t  port: 23\t Telnet RFC 2217",
              }));
    EXPECT_EQ(ListSelection(::GetDlgItem(window, kList)), LB_ERR);
    ExpectFreshWindowButtons(window);
    CloseWithCancel(program, window);

    // Looking is not changing: every sub-key is still there as it was.
    EXPECT_EQ(ConfigSubKeys().size(), 9u);
    EXPECT_EQ(ReadSubKeyValues("QVCOM300").at("NetSettings"), Sz("300.1.2.3:70000"));
}

TEST_F(PortListWindow, MissingConfigurationGivesAnEmptyListAndCreatesTheKey)
{
    ASSERT_FALSE(MachineKeyExists(kConfigKeyPath));
    ProgramUnderTest program;
    HWND window = program.WaitForMainWindow();
    EXPECT_TRUE(ListRows(::GetDlgItem(window, kList)).empty());
    ExpectFreshWindowButtons(window);
    EXPECT_TRUE(MachineKeyExists(kConfigKeyPath));
    CloseWithCancel(program, window);
}

TEST_F(PortListWindow, SelectingARowEnablesNothingYetButKeepsTheSelection)
{
    SeedMapping("QVCOM5", {{"ConnectionType", Sz("UDP")}, {"PortSettings", Sz("Virtual:COM5:0")}});
    ProgramUnderTest program;
    HWND window = program.WaitForMainWindow();
    ClickListRow(::GetDlgItem(window, kList), 0);
    EXPECT_EQ(ListSelection(::GetDlgItem(window, kList)), 0);
    CloseWithCancel(program, window);
}

TEST_F(PortListWindow, AboutBoxOpensFromTheSystemMenu)
{
    ProgramUnderTest program;
    HWND window = program.WaitForMainWindow();

    // Alt+Space opens the system menu; the about item is its last, one up
    // from the first.
    TypeChord(window, {VK_MENU, VK_SPACE});
    ASSERT_TRUE(WaitFor([&] {
        for (HWND hWnd : program.TopLevelWindows()) {
            if (ClassNameOf(hWnd) == "#32768") return true;
        }
        return false;
    })) << "the system menu did not open";
    TypeChord(window, {VK_UP});
    TypeChord(window, {VK_RETURN});

    HWND about = program.WaitForDialog("About Tandrel");
    EXPECT_EQ(StaticTexts(about), std::vector<std::string>{"Tandrel Version 1.0"});
    EXPECT_NE(::SendMessageW(::GetWindow(about, GW_CHILD), STM_GETICON, 0, 0), 0) << "no icon shown";
    EXPECT_FALSE(::IsWindowEnabled(window)) << "the about box is modal";
    ClickButton(about, IDOK);
    ASSERT_TRUE(WaitFor([&] { return program.FindDialog("About Tandrel") == nullptr; }));
    WaitUntilResponsive(window);
    EXPECT_TRUE(::IsWindowEnabled(window));
    CloseWithCancel(program, window);
}

TEST_F(PortListWindow, AboutCommandWithAnyLowBitsOpensTheAboutBox)
{
    ProgramUnderTest program;
    HWND window = program.WaitForMainWindow();
    // The system may set the low four bits of a system command.
    for (UINT command : {0x13u, 0x1Fu}) {
        PostSystemCommand(window, command);
        HWND about = program.WaitForDialog("About Tandrel");
        ClickButton(about, IDOK);
        ASSERT_TRUE(WaitFor([&] { return program.FindDialog("About Tandrel") == nullptr; }));
    }
    CloseWithCancel(program, window);
}

TEST_F(PortListWindow, OtherSystemCommandsKeepTheirMeaning)
{
    ProgramUnderTest program;
    HWND window = program.WaitForMainWindow();
    PostSystemCommand(window, SC_CLOSE);  // the close box acts as Cancel
    DWORD exitCode = 1;
    ASSERT_TRUE(program.WaitForExit(kUiTimeoutMs, &exitCode));
    EXPECT_EQ(exitCode, 0u);
}

// Icon handles do not cross processes under Wine; the icons themselves are
// checked in-process (PortListLoad). Here: the minimised window's own painting.
TEST_F(PortListWindow, MinimisedWindowPaintsItsIcon)
{
    ProgramUnderTest program;
    HWND window = program.WaitForMainWindow();
    ::ShowWindow(window, SW_MINIMIZE);
    ASSERT_TRUE(WaitFor([&] { return ::IsIconic(window) != FALSE; }));
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    WaitUntilResponsive(window);
    EXPECT_TRUE(program.IsRunning());

    ::ShowWindow(window, SW_RESTORE);
    ASSERT_TRUE(WaitFor([&] { return ::IsIconic(window) == FALSE; }));
    CloseWithCancel(program, window);
}

TEST_F(PortListWindow, EscapeClosesTheWindow)
{
    ProgramUnderTest program;
    HWND window = program.WaitForMainWindow();
    PressKey(::GetDlgItem(window, kList), VK_ESCAPE);
    ASSERT_TRUE(program.WaitForExit());
}

}  // namespace
