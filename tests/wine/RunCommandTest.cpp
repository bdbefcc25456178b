// The command runner against the connector control stand-in, in its modes.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "apply/RunCommand.h"
#include "tests/support/Driver.h"
#include "tests/support/Registry.h"
#include "tests/support/StandIns.h"

namespace {

class RunCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        log = FreshLogFile("runner");
        ::SetEnvironmentVariableA("TANDREL_STANDIN_LOG", log.c_str());
        ::SetEnvironmentVariableA("TANDREL_STANDIN_OUTPUT", nullptr);
        ::SetEnvironmentVariableA("TANDREL_STANDIN_DELAY_MS", nullptr);
        ::SetEnvironmentVariableA("TANDREL_STANDIN_AWAIT_STDIN", nullptr);
    }
    void TearDown() override { ::SetEnvironmentVariableA("TANDREL_STANDIN_LOG", nullptr); }

    std::string Run(const char* output, int& flag, bool& started, DWORD limit = kCommandLimitMs,
                    const std::string& program = StandInControlProgram())
    {
        ::SetEnvironmentVariableA("TANDREL_STANDIN_OUTPUT", output);
        return RunCommand(program, "disable", flag, &started, limit);
    }

    std::string log;
};

TEST_F(RunCommandTest, ReturnsTheFirstOutputAndTheStreamItCameFrom)
{
    const struct {
        const char* output;
        const char* text;
        int flag;
    } cases[] = {
        // Standard output: each line feed becomes CR LF, even after a CR.
        {"stdout", "Connector disabled.\r\n", 0},
        {"crlf", "Connector disabled.\r\r\n", 0},
        // Standard error: unchanged, and it wins over standard output.
        {"stderr", "Error: Connector disabled.\n", 1},
        {"both", "Error: Connector disabled.\n", 1},
    };
    for (const auto& c : cases) {
        int flag = 7;
        bool started = false;
        EXPECT_EQ(Run(c.output, flag, started), c.text) << c.output;
        EXPECT_EQ(flag, c.flag) << c.output;
        EXPECT_TRUE(started) << c.output;
    }
}

// The high priority class is asked for too, but Wine does not apply priority
// classes (a child always reports normal), so it cannot be seen here.
TEST_F(RunCommandTest, StartsTheProgramMinimisedWithTheVerbAlone)
{
    int flag = 0;
    bool started = false;
    Run("stdout", flag, started);
    const std::vector<ControlCall> calls = ReadControlCalls(log);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].verb, "disable");
    EXPECT_EQ(calls[0].arguments, 1);
    EXPECT_EQ(calls[0].show, SW_MINIMIZE);
}

TEST_F(RunCommandTest, ReadsAtMost2000Bytes)
{
    int flag = 7;
    bool started = false;
    const std::string text = Run("flood", flag, started);
    EXPECT_EQ(flag, 0);
    EXPECT_GT(text.size(), 0u);
    EXPECT_LE(text.size(), 2000u);
    EXPECT_EQ(text, std::string(text.size(), 'x'));
}

// A shorter limit stands in for the 10 s the program waits.
TEST_F(RunCommandTest, SilentOrSlowProgramGivesNothingAndLeavesTheFlag)
{
    int flag = 7;
    bool started = false;
    EXPECT_EQ(Run("silent", flag, started, 400), "");
    EXPECT_EQ(flag, 7);
    EXPECT_TRUE(started);

    ::SetEnvironmentVariableA("TANDREL_STANDIN_DELAY_MS", "3000");
    EXPECT_EQ(Run("stdout", flag, started, 400), "");
    EXPECT_EQ(flag, 7);
}

TEST_F(RunCommandTest, ProgramThatCannotBeStartedReturnsAtOnce)
{
    int flag = 7;
    bool started = true;
    // The full limit: a runner that waited for a process it never made would
    // not come back for a minute.
    EXPECT_EQ(Run("stdout", flag, started, 60000, "C:\\no such folder\\control.exe"), "");
    EXPECT_FALSE(started);
    EXPECT_EQ(flag, 7);
    EXPECT_TRUE(ReadControlCalls(log).empty());
}

// Stored unquoted, C:\Program Files\... must never start C:\Program.exe.
TEST_F(RunCommandTest, PathWithBlanksStartsExactlyThatProgram)
{
    const std::string decoy = "C:\\Program.exe";
    const std::string real = "C:\\Program Files\\Tandrel Test\\connector control.exe";
    CopyTestProgram("connector-control.exe", decoy);
    CopyTestProgram("connector-control.exe", real);

    for (const std::string& stored : {real, "\"" + real + "\""}) {
        int flag = 0;
        bool started = false;
        EXPECT_EQ(Run("stdout", flag, started, kCommandLimitMs, stored), "Connector disabled.\r\n");
        EXPECT_TRUE(started);
    }
    const std::vector<ControlCall> calls = ReadControlCalls(log);
    ASSERT_EQ(calls.size(), 2u);
    for (const ControlCall& call : calls) {
        EXPECT_EQ(call.program, real);
        EXPECT_EQ(call.arguments, 1);
    }
    ::DeleteFileA(decoy.c_str());
}

// A stored path may be far longer than the program's real one ("." and ".."
// folded away); the command line is built at the length it needs.
TEST_F(RunCommandTest, CommandLineLongerThan2000Characters)
{
    CopyTestProgram("connector-control.exe", "C:\\tandrel-test\\control.exe");
    std::string program = "C:\\tandrel-test";
    while (program.size() < 2100) program += "\\.";
    program += "\\control.exe";

    EXPECT_GT(ControlCommandLine(program, "disable").size(), 2000u);
    int flag = 0;
    bool started = false;
    EXPECT_EQ(Run("stdout", flag, started, kCommandLimitMs, program), "Connector disabled.\r\n");
    EXPECT_TRUE(started);
    const std::vector<ControlCall> calls = ReadControlCalls(log);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].program, "C:\\tandrel-test\\control.exe");
}

// The child must hold only its own pipe ends: once the runner is done, the
// child sees the end of its standard input.
TEST_F(RunCommandTest, ChildSeesTheEndOfItsInputOnceTheRunnerIsDone)
{
    ::SetEnvironmentVariableA("TANDREL_STANDIN_AWAIT_STDIN", "1");
    int flag = 0;
    bool started = false;
    EXPECT_EQ(Run("stdout", flag, started), "Connector disabled.\r\n");
    EXPECT_TRUE(WaitFor([&] {
        for (const std::string& line : ReadLines(log)) {
            if (line.find(" disable stdin-closed") != std::string::npos) return true;
        }
        return false;
    })) << "the child never saw its standard input end";
}

}  // namespace
