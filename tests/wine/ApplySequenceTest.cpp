// The apply sequence end to end: Tandrel.exe with the stand-in control
// program, against the registry of the test prefix.
#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "tests/support/TandrelScreens.h"
#include "tests/wine/StandInFixture.h"

namespace {

std::set<std::string> SubKeySet()
{
    const std::vector<std::string> keys = ConfigSubKeys();
    return {keys.begin(), keys.end()};
}

std::set<std::string> Split(const std::string& list)
{
    std::set<std::string> names;
    size_t start = 0;
    while (start < list.size()) {
        size_t comma = list.find(',', start);
        if (comma == std::string::npos) comma = list.size();
        names.insert(list.substr(start, comma - start));
        start = comma + 1;
    }
    return names;
}

class ApplySequence : public StandInFixture {
protected:
    // Deletes the row of this COM number, answering Yes: a pending change.
    static void DeleteRow(PortListScreen& window, int comNumber)
    {
        window.SelectRow(window.RowOf(comNumber));
        window.Click(ids::kDelete);
        window.WaitForMessageBox().Answer(IDYES);
        window.WaitUntilOnlyWindow();
    }

    // Apply, which shows one message: checks its text and acknowledges it.
    static void ApplyExpectingMessage(PortListScreen& window, const std::string& text)
    {
        window.Click(ids::kApply);
        MessageBoxScreen message = window.WaitForMessageBox();
        EXPECT_EQ(message.Text(), text);
        message.Answer(IDOK);
        window.WaitUntilOnlyWindow();  // and no second message
    }
};

// Every sub-key goes, whatever its name; each distinct COM number is written
// once, with the values of its last row in list order.
TEST_F(ApplySequence, RewritesTheWholeConfigurationFromTheRows)
{
    SeedMapping("QVCOM5", UdpMapping("10.0.0.5", 5, 5));
    SeedMapping("Legacy", ClientMapping("192.168.0.5", 7, 5));
    SeedMapping("COM9", TelnetMapping("10.0.0.9", 23, 9));
    SeedMapping("QVCOM11", UdpMapping("10.0.0.11", 11, 11));
    SeedMapping("Junk", {{"Whatever", Sz("x")}});
    PortListScreen window;
    EXPECT_EQ(window.Rows(), (std::vector<std::string>{
                                 "COM11 \t10.0.0.11\t  port: 11\t UDP",
                                 "COM5 \t10.0.0.5\t  port: 5\t UDP",
                                 "COM5 \t192.168.0.5\t  port: 7\t TCP",
                                 "COM9 \t10.0.0.9\t  port: 23\t Telnet RFC 2217",
                             }));
    DeleteRow(window, 11);
    window.Press(ids::kApply);

    EXPECT_EQ(SubKeySet(), (std::set<std::string>{"QVCOM5", "QVCOM9"}));
    EXPECT_EQ(ReadSubKeyValues("QVCOM5"), ClientMapping("192.168.0.5", 7, 5));
    EXPECT_EQ(ReadSubKeyValues("QVCOM9"), TelnetMapping("10.0.0.9", 23, 9));

    const std::vector<ControlCall> calls = ControlCalls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].verb, "disable");
    EXPECT_EQ(Split(calls[0].config), (std::set<std::string>{"QVCOM5", "Legacy", "COM9", "QVCOM11", "Junk"}));
    EXPECT_EQ(calls[1].verb, "enable");
    EXPECT_EQ(Split(calls[1].config), (std::set<std::string>{"QVCOM5", "QVCOM9"}));
    EXPECT_FALSE(window.Enabled(ids::kApply));
}

TEST_F(ApplySequence, EmptyListWipesEverythingAndStillEnables)
{
    SeedMapping("QVCOM3", UdpMapping("10.0.0.3", 3, 3));
    SeedMapping("Junk", {{"Whatever", Sz("x")}});
    PortListScreen window;
    DeleteRow(window, 3);
    window.Press(ids::kApply);
    EXPECT_TRUE(ConfigSubKeys().empty());
    EXPECT_EQ(Verbs(), (std::vector<std::string>{"disable", "enable"}));
}

TEST_F(ApplySequence, MissingControlProgramTouchesNothing)
{
    DeleteMachineKey(kTandrelKeyPath);
    SeedMapping("QVCOM3", UdpMapping("10.0.0.3", 3, 3));
    PortListScreen window;
    DeleteRow(window, 3);
    ApplyExpectingMessage(window, "Not properly installed can not stop service");

    EXPECT_EQ(ConfigSubKeys(), std::vector<std::string>{"QVCOM3"});
    EXPECT_EQ(ReadSubKeyValues("QVCOM3"), UdpMapping("10.0.0.3", 3, 3));
    EXPECT_TRUE(ControlCalls().empty());
    // Looking for the path created Tandrel's own key, empty.
    ASSERT_TRUE(MachineKeyExists(kTandrelKeyPath));
    HKEY key;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kTandrelKeyPath, 0, KEY_READ, &key), ERROR_SUCCESS);
    DWORD values = 99, subKeys = 99;
    ::RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values, nullptr,
                       nullptr, nullptr, nullptr);
    ::RegCloseKey(key);
    EXPECT_EQ(values, 0u);
    EXPECT_EQ(subKeys, 0u);
}

TEST_F(ApplySequence, ControlProgramThatCannotBeStartedIsReportedOnce)
{
    RegisterControlProgram("C:\\nowhere\\control.exe");
    SeedMapping("QVCOM3", UdpMapping("10.0.0.3", 3, 3));
    SeedMapping("QVCOM4", UdpMapping("10.0.0.4", 4, 4));
    PortListScreen window;
    DeleteRow(window, 3);
    ApplyExpectingMessage(window, "The connector control program could not be started:\nC:\\nowhere\\control.exe");

    EXPECT_EQ(ConfigSubKeys(), std::vector<std::string>{"QVCOM4"});
    EXPECT_FALSE(window.Enabled(ids::kApply));
}

// A sub-key with sub-keys of its own cannot be deleted: the wipe goes past it,
// says so, and the rows are written all the same.
TEST_F(ApplySequence, UndeletableSubKeyIsSkippedAndReported)
{
    SeedMapping("Stuck", UdpMapping("10.0.0.3", 3, 3));
    SeedMapping("Stuck\\Inner", {{"Anything", Sz("x")}});
    SeedMapping("QVCOM4", UdpMapping("10.0.0.4", 4, 4));
    SeedMapping("QVCOM6", UdpMapping("10.0.0.6", 6, 6));
    PortListScreen window;
    DeleteRow(window, 4);
    ApplyExpectingMessage(window, "These entries of the connector configuration could not be removed:\nStuck");

    EXPECT_EQ(SubKeySet(), (std::set<std::string>{"Stuck", "QVCOM3", "QVCOM6"}));
    EXPECT_EQ(ReadSubKeyValues("QVCOM3"), UdpMapping("10.0.0.3", 3, 3));
    EXPECT_EQ(Verbs(), (std::vector<std::string>{"disable", "enable"}));
    EXPECT_FALSE(window.Enabled(ids::kApply));
}

// Without write access (not running as administrator) the changes are not
// saved: the user is told, and they stay pending.
TEST_F(ApplySequence, ChangesThatCannotBeSavedStayPending)
{
    SeedMapping("QVCOM3", UdpMapping("10.0.0.3", 3, 3));
    MakeMachineKeyReadOnly(kConfigKeyPath);
    PortListScreen window;
    EditScreen edit = window.OpenNew();
    edit.ChooseCom("COM4");
    edit.Click(IDOK);
    window.WaitUntilOnlyWindow();

    const std::string notSaved =
        "The connector configuration could not be written, so the changes are not saved.\n"
        "Tandrel must run as an administrator to change it.";
    window.Click(ids::kApply);
    MessageBoxScreen message = window.WaitForMessageBox();
    EXPECT_EQ(message.Text(), notSaved);
    message.Answer(IDOK);
    window.WaitUntilOnlyWindow();
    EXPECT_TRUE(window.Enabled(ids::kApply));

    // OK tries again, says so again, and keeps the window open.
    window.Click(IDOK);
    window.WaitForMessageBox().Answer(IDOK);
    window.WaitUntilOnlyWindow();
    EXPECT_TRUE(window.Program().IsRunning());

    window.Click(IDCANCEL);
    MessageBoxScreen question = window.WaitForMessageBox();
    EXPECT_EQ(question.Text(), "Discard changes?");
    question.Answer(IDYES);
    ASSERT_TRUE(window.WaitForExit());

    MakeMachineKeyWritable(kConfigKeyPath);
    EXPECT_EQ(ConfigSubKeys(), std::vector<std::string>{"QVCOM3"});
}

}  // namespace
