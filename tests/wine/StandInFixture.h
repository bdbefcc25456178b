// A fixture for tests that run Tandrel.exe with the stand-ins: an empty
// connector configuration, the connector control stand-in registered as
// Tandrel's control program with a fresh call log, and the URL recorder as
// the browser.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "tests/support/Registry.h"
#include "tests/support/StandIns.h"

// The COM ports from COM1 to COM90 that the prefix reports, which New never offers.
inline std::set<int> ExistingComPorts()
{
    std::set<int> ports;
    for (int n = 1; n <= 90; ++n) {
        char target[256];
        if (::QueryDosDeviceA(("COM" + std::to_string(n)).c_str(), target, sizeof(target))) ports.insert(n);
    }
    return ports;
}

class StandInFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        DeleteMachineKey(kConfigKeyPath);
        DeleteMachineKey(kTandrelKeyPath);
        RegisterControlProgram(StandInControlProgram());
        controlLog = FreshLogFile("control");
        urlLog = FreshLogFile("urls");
        ::SetEnvironmentVariableA("TANDREL_STANDIN_LOG", controlLog.c_str());
        ::SetEnvironmentVariableA("TANDREL_STANDIN_OUTPUT", nullptr);
        ::SetEnvironmentVariableA("TANDREL_URL_LOG", urlLog.c_str());
        UseUrlRecorderAsBrowser();
    }

    void TearDown() override
    {
        DeleteMachineKey(kConfigKeyPath);
        DeleteMachineKey(kTandrelKeyPath);
    }

    std::vector<ControlCall> ControlCalls() const { return ReadControlCalls(controlLog); }
    std::vector<std::string> Verbs() const
    {
        std::vector<std::string> verbs;
        for (const ControlCall& call : ControlCalls()) verbs.push_back(call.verb);
        return verbs;
    }
    std::vector<std::string> Urls() const { return ReadLines(urlLog); }

    // "COM<n>" for every number from 1 to 90 that is neither existing nor in taken.
    static std::vector<std::string> OfferedComItems(const std::set<int>& taken)
    {
        const std::set<int> existing = ExistingComPorts();
        std::vector<std::string> items;
        for (int n = 1; n <= 90; ++n) {
            if (!existing.count(n) && !taken.count(n)) items.push_back("COM" + std::to_string(n));
        }
        return items;
    }

    std::string controlLog;
    std::string urlLog;
};

// The seven values of a mapping as the program writes them.
inline RawValues ClientMapping(const std::string& address, int port, int com)
{
    return {{"ConnectionType", Sz("CLIENT")},
            {"NetSettings", MultiSz(address + ":" + std::to_string(port) + ":1:0:7000:1000")},
            {"PortSettings", Sz("Virtual:COM" + std::to_string(com) + ":0")},
            {"ProtocolSetttings", Sz("RAW:1:5000:2:2")},
            {"ProxySettings", Sz("NONE::0:0::1:")},
            {"SecuritySettings", Sz("")},
            {"SignLines", Sz("0:0:0:1:1:1")}};
}

inline RawValues TelnetMapping(const std::string& address, int port, int com)
{
    RawValues values = ClientMapping(address, port, com);
    values["ProtocolSetttings"] = Sz("TELNET:1:5000:1:1000:1:1:1");
    return values;
}

inline RawValues UdpMapping(const std::string& address, int port, int com)
{
    return {{"ConnectionType", Sz("UDP")},
            {"NetSettings", Sz(address + ":" + std::to_string(port) + ":0")},
            {"PortSettings", Sz("Virtual:COM" + std::to_string(com) + ":0")},
            {"ProtocolSetttings", Sz("RAW:0:3:1")},
            {"ProxySettings", Sz("NONE::0:0::1:")},
            {"SecuritySettings", Sz("")},
            {"SignLines", Sz("0:0:0:1:1:1")}};
}
