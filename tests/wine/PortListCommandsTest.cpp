// The port list's commands, driven from outside against Tandrel.exe with the
// stand-in control program: New, Edit, Delete, Configure QV, Apply, OK and
// Cancel, the edit dialog, and what each leaves in the registry.
#include <string>
#include <vector>

#include "tests/support/TandrelScreens.h"
#include "tests/wine/StandInFixture.h"

namespace {

using ids::kApply;
using ids::kConfigureQv;
using ids::kDelete;
using ids::kEdit;
using ids::kNew;

class PortListCommands : public StandInFixture {
protected:
    // Edit, Delete and Configure QV, then Apply.
    static std::vector<bool> ButtonStates(const PortListScreen& window)
    {
        return {window.Enabled(kEdit), window.Enabled(kDelete), window.Enabled(kConfigureQv),
                window.Enabled(kApply)};
    }
};

TEST_F(PortListCommands, NewMappingIsListedAndAppliedToTheRegistry)
{
    PortListScreen window;
    EditScreen edit = window.OpenNew();

    // New mode: the free COM numbers in numeric order, the lowest chosen;
    // port 1000, address 0.0.0.0, TCP.
    EXPECT_TRUE(edit.ComListShown());
    EXPECT_FALSE(edit.ComLabelShown());
    const std::vector<std::string> offered = OfferedComItems({});
    EXPECT_EQ(edit.ComItems(), offered);
    EXPECT_EQ(edit.SelectedCom(), offered.front());
    EXPECT_EQ(edit.PortText(), "1000");
    EXPECT_EQ(edit.AddressFields(), (std::vector<std::string>{"0", "0", "0", "0"}));
    EXPECT_EQ(edit.ProtocolItems(), (std::vector<std::string>{"TCP", "UDP"}));
    EXPECT_EQ(edit.ProtocolSelection(), 0);

    edit.EnterAddress(192, 168, 1, 20);
    edit.TypePort("5000");
    edit.ChooseCom("COM7");
    edit.ChooseProtocol(1);
    edit.Click(IDOK);
    window.WaitUntilOnlyWindow();

    EXPECT_EQ(window.Rows(), std::vector<std::string>{"COM7 \t192.168.1.20\t  port: 5000\t UDP"});
    EXPECT_EQ(window.Selection(), 0);
    // The new row is selected, but the row buttons keep their state.
    EXPECT_EQ(ButtonStates(window), (std::vector<bool>{false, false, false, true}));
    EXPECT_TRUE(ControlCalls().empty()) << "nothing is applied before Apply";

    window.Press(kApply);
    EXPECT_FALSE(window.Enabled(kApply));
    EXPECT_EQ(ConfigSubKeys(), std::vector<std::string>{"QVCOM7"});
    EXPECT_EQ(ReadSubKeyValues("QVCOM7"), UdpMapping("192.168.1.20", 5000, 7));

    // Disable before the rewrite, enable after it.
    const std::vector<ControlCall> calls = ControlCalls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].verb, "disable");
    EXPECT_EQ(calls[0].config, "");
    EXPECT_EQ(calls[1].verb, "enable");
    EXPECT_EQ(calls[1].config, "QVCOM7");

    // Once applied, COM7 is in use and no longer offered.
    EditScreen again = window.OpenNew();
    EXPECT_EQ(again.ComItems(), OfferedComItems({7}));
    again.Click(IDCANCEL);
    window.WaitUntilOnlyWindow();
    EXPECT_EQ(window.Rows().size(), 1u);
    EXPECT_FALSE(window.Enabled(kApply));
}

TEST_F(PortListCommands, EditKeepsTheComNumberAndReplacesTheRow)
{
    SeedMapping("QVCOM10", ClientMapping("10.0.0.1", 4001, 10));
    SeedMapping("QVCOM2", ClientMapping("10.0.0.2", 4002, 2));
    PortListScreen window;
    EditScreen edit = window.OpenEdit(10);

    EXPECT_FALSE(edit.ComListShown());
    EXPECT_TRUE(edit.ComLabelShown());
    EXPECT_EQ(edit.ComLabel(), "COM10");
    EXPECT_EQ(edit.AddressFields(), (std::vector<std::string>{"10", "0", "0", "1"}));
    EXPECT_EQ(edit.PortText(), "4001");
    EXPECT_EQ(edit.ProtocolSelection(), 0);

    edit.TypePort("6000");
    edit.Click(IDOK);
    window.WaitUntilOnlyWindow();

    EXPECT_EQ(window.Rows(), (std::vector<std::string>{"COM10 \t10.0.0.1\t  port: 6000\t TCP",
                                                       "COM2 \t10.0.0.2\t  port: 4002\t TCP"}));
    EXPECT_EQ(window.Selection(), 0);
    EXPECT_EQ(ButtonStates(window), (std::vector<bool>{true, true, true, true}));

    window.Press(kApply);
    EXPECT_EQ(ReadSubKeyValues("QVCOM10"), ClientMapping("10.0.0.1", 6000, 10));
    EXPECT_EQ(ReadSubKeyValues("QVCOM2"), ClientMapping("10.0.0.2", 4002, 2));
}

TEST_F(PortListCommands, EditEndedWithCancelChangesNothing)
{
    SeedMapping("QVCOM10", UdpMapping("10.0.0.1", 4001, 10));
    PortListScreen window;
    EditScreen edit = window.OpenEdit(10);
    EXPECT_EQ(edit.ProtocolSelection(), 1);
    edit.TypePort("1");
    edit.ChooseProtocol(0);
    edit.Click(IDCANCEL);
    window.WaitUntilOnlyWindow();
    EXPECT_EQ(window.Rows(), std::vector<std::string>{"COM10 \t10.0.0.1\t  port: 4001\t UDP"});
    EXPECT_FALSE(window.Enabled(kApply));
}

// The Telnet client has no item in the dialog: the field shows its label,
// and the row stays Telnet unless TCP or UDP is chosen.
TEST_F(PortListCommands, TelnetRowsKeepTheirKindThroughAnEdit)
{
    SeedMapping("QVCOM4", TelnetMapping("10.0.0.4", 23, 4));
    SeedMapping("QVCOM6", TelnetMapping("10.0.0.6", 23, 6));
    PortListScreen window;

    EditScreen edit = window.OpenEdit(4);
    EXPECT_EQ(edit.ProtocolSelection(), -1);
    EXPECT_EQ(edit.ProtocolText(), "Telnet RFC 2217");
    edit.TypePort("2323");
    edit.Click(IDOK);
    window.WaitUntilOnlyWindow();

    edit = window.OpenEdit(6);
    edit.ChooseProtocol(1);
    edit.Click(IDOK);
    window.WaitUntilOnlyWindow();

    EXPECT_EQ(window.Rows(), (std::vector<std::string>{"COM4 \t10.0.0.4\t  port: 2323\t Telnet RFC 2217",
                                                       "COM6 \t10.0.0.6\t  port: 23\t UDP"}));
    window.Press(kApply);
    EXPECT_EQ(ReadSubKeyValues("QVCOM4"), TelnetMapping("10.0.0.4", 2323, 4));
    EXPECT_EQ(ReadSubKeyValues("QVCOM6"), UdpMapping("10.0.0.6", 23, 6));
}

TEST_F(PortListCommands, NewWithNoProtocolChosenIsATcpClient)
{
    PortListScreen window;
    EditScreen edit = window.OpenNew();
    edit.ChooseCom("COM9");
    edit.ChooseProtocol(-1);
    edit.Click(IDOK);
    window.WaitUntilOnlyWindow();
    EXPECT_EQ(window.Rows(), std::vector<std::string>{"COM9 \t0.0.0.0\t  port: 1000\t TCP"});
}

TEST_F(PortListCommands, DeleteAsksFirst)
{
    SeedMapping("QVCOM12", UdpMapping("10.0.0.12", 12, 12));
    SeedMapping("QVCOM3", UdpMapping("10.0.0.3", 3, 3));
    PortListScreen window;
    window.SelectRow(window.RowOf(12));
    EXPECT_EQ(ButtonStates(window), (std::vector<bool>{true, true, true, false}));

    window.Click(kDelete);
    MessageBoxScreen question = window.WaitForMessageBox();
    EXPECT_EQ(question.Text(), "Delete COM12?");
    question.Answer(IDNO);
    window.WaitUntilOnlyWindow();
    EXPECT_EQ(window.Rows().size(), 2u);
    EXPECT_EQ(window.Selection(), window.RowOf(12));
    EXPECT_EQ(ButtonStates(window), (std::vector<bool>{true, true, true, false}));

    window.Click(kDelete);
    window.WaitForMessageBox().Answer(IDYES);
    window.WaitUntilOnlyWindow();
    EXPECT_EQ(window.Rows(), std::vector<std::string>{"COM3 \t10.0.0.3\t  port: 3\t UDP"});
    EXPECT_EQ(window.Selection(), -1);
    EXPECT_EQ(ButtonStates(window), (std::vector<bool>{false, false, false, true}));

    // A deleted row's COM number stays taken until the program restarts.
    EditScreen edit = window.OpenNew();
    EXPECT_EQ(edit.ComItems(), OfferedComItems({3, 12}));
    edit.Click(IDCANCEL);
    window.WaitUntilOnlyWindow();

    window.Press(kApply);
    EXPECT_EQ(ConfigSubKeys(), std::vector<std::string>{"QVCOM3"});
}

// Two rows for one COM number would silently lose one at Apply.
TEST_F(PortListCommands, NewDoesNotOfferAComNumberThatARowCarries)
{
    PortListScreen window;
    EditScreen edit = window.OpenNew();
    edit.ChooseCom("COM5");
    edit.Click(IDOK);
    window.WaitUntilOnlyWindow();

    edit = window.OpenNew();
    EXPECT_EQ(edit.ComItems(), OfferedComItems({5}));
    edit.Click(IDCANCEL);
    window.WaitUntilOnlyWindow();
}

// Without a free COM number there is no COM port to write: OK explains and
// keeps the dialog open.
TEST_F(PortListCommands, NewWithEveryComNumberTaken)
{
    for (int n = 1; n <= 90; ++n) SeedMapping("QVCOM" + std::to_string(n), UdpMapping("10.0.0.1", n, n));
    PortListScreen window;
    EditScreen edit = window.OpenNew();
    EXPECT_TRUE(edit.ComItems().empty());
    EXPECT_EQ(edit.SelectedCom(), "");

    edit.Click(IDOK);
    MessageBoxScreen message = window.WaitForMessageBox();
    EXPECT_EQ(message.Text(),
              "Every COM port from COM1 to COM90 is in use: there is none left for a new mapping.");
    message.Answer(IDOK);
    EXPECT_TRUE(::IsWindowVisible(edit.Handle())) << "the dialog stays open";
    edit.Click(IDCANCEL);
    window.WaitUntilOnlyWindow();
    EXPECT_EQ(window.Rows().size(), 90u);
    EXPECT_FALSE(window.Enabled(kApply));
}

TEST_F(PortListCommands, PortTextsAreReadAsNumbers)
{
    const struct {
        const char* text;
        int port;
    } cases[] = {{"8080", 8080}, {"70000", 4464}, {"-1", 65535}, {"abc", 0}, {"", 0}, {"  502x", 502}};
    PortListScreen window;
    int com = 20;
    for (const auto& c : cases) {
        EditScreen edit = window.OpenNew();
        edit.ChooseCom("COM" + std::to_string(com));
        edit.TypePort(c.text);
        edit.Click(IDOK);
        window.WaitUntilOnlyWindow();
        const int row = window.RowOf(com);
        ASSERT_GE(row, 0);
        EXPECT_EQ(window.Rows()[static_cast<size_t>(row)],
                  "COM" + std::to_string(com) + " \t0.0.0.0\t  port: " + std::to_string(c.port) + "\t TCP")
            << '"' << c.text << '"';
        ++com;
    }
}

TEST_F(PortListCommands, ConfigureOpensTheDevicesWebPage)
{
    SeedMapping("QVCOM8", UdpMapping("10.0.0.7", 80, 8));
    SeedMapping("QVCOM9", UdpMapping("0.0.0.0", 80, 9));
    PortListScreen window;

    window.SelectRow(window.RowOf(8));
    window.Press(kConfigureQv);
    window.SelectRow(window.RowOf(9));
    window.Press(kConfigureQv);  // address 0.0.0.0: nothing happens
    ASSERT_TRUE(WaitFor([&] { return !Urls().empty(); }));

    EditScreen edit = window.OpenNew();
    edit.Click(ids::kConfigure);  // no address entered
    MessageBoxScreen message = window.WaitForMessageBox();
    EXPECT_EQ(message.Text(), "You must select or enter a device IP before configuring it");
    message.Answer(IDOK);
    edit.EnterAddress(192, 168, 1, 20);
    edit.Press(ids::kConfigure);
    ASSERT_TRUE(WaitFor([&] { return Urls().size() == 2; }));
    EXPECT_TRUE(::IsWindowVisible(edit.Handle())) << "Configure leaves the dialog open";
    edit.Click(IDCANCEL);
    window.WaitUntilOnlyWindow();

    EXPECT_EQ(Urls(), (std::vector<std::string>{"http://10.0.0.7", "http://192.168.1.20"}));
    EXPECT_FALSE(window.Enabled(kApply));
}

TEST_F(PortListCommands, CancelWithPendingChangesAsksFirst)
{
    SeedMapping("QVCOM3", UdpMapping("10.0.0.3", 3, 3));
    PortListScreen window;
    window.SelectRow(0);
    window.Click(kDelete);
    window.WaitForMessageBox().Answer(IDYES);
    window.WaitUntilOnlyWindow();

    window.Click(IDCANCEL);
    MessageBoxScreen question = window.WaitForMessageBox();
    EXPECT_EQ(question.Text(), "Discard changes?");
    question.Answer(IDNO);
    window.WaitUntilOnlyWindow();
    EXPECT_TRUE(window.Enabled(kApply));
    EXPECT_TRUE(window.Rows().empty());

    window.Click(IDCANCEL);
    window.WaitForMessageBox().Answer(IDYES);
    ASSERT_TRUE(window.WaitForExit());
    EXPECT_TRUE(ControlCalls().empty());
    EXPECT_EQ(ConfigSubKeys(), std::vector<std::string>{"QVCOM3"});
}

TEST_F(PortListCommands, OkAppliesOnlyWhenSomethingChanged)
{
    SeedMapping("QVCOM3", UdpMapping("10.0.0.3", 3, 3));
    {
        PortListScreen window;
        window.Click(IDOK);
        ASSERT_TRUE(window.WaitForExit());
        EXPECT_TRUE(ControlCalls().empty());
    }
    {
        PortListScreen window;
        EditScreen edit = window.OpenNew();
        edit.EnterAddress(10, 0, 0, 4);
        edit.ChooseCom("COM4");
        edit.Click(IDOK);
        window.WaitUntilOnlyWindow();
        window.Click(IDOK);
        DWORD exitCode = 1;
        ASSERT_TRUE(window.WaitForExit(&exitCode));
        EXPECT_EQ(exitCode, 0u);
    }
    EXPECT_EQ(Verbs(), (std::vector<std::string>{"disable", "enable"}));
    EXPECT_EQ(ReadSubKeyValues("QVCOM4"), ClientMapping("10.0.0.4", 1000, 4));
    EXPECT_EQ(ReadSubKeyValues("QVCOM3"), UdpMapping("10.0.0.3", 3, 3));
}

TEST_F(PortListCommands, EnterActsAsOk)
{
    PortListScreen window;
    EditScreen edit = window.OpenNew();
    edit.ChooseCom("COM4");
    edit.Click(IDOK);
    window.WaitUntilOnlyWindow();
    PressKey(::GetDlgItem(window.Handle(), ids::kPortList), VK_RETURN);
    ASSERT_TRUE(window.WaitForExit());
    EXPECT_EQ(Verbs(), (std::vector<std::string>{"disable", "enable"}));
}

}  // namespace
