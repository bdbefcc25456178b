// The stand-in programs (tools/) as tests use them: the connector control
// program's call log and the browser stand-in's URL log.
#pragma once

#include <string>
#include <vector>

// One call of the connector control stand-in, as it logged it.
struct ControlCall {
    std::string verb;
    std::string priority;  // "high", "normal", ...
    int show = -1;         // the window show state it was started with
    int arguments = 0;     // how many arguments it was given
    std::string program;   // the path it ran from
    std::string config;    // the connector configuration's sub-keys at that moment
};

// A fresh, empty log file in the temporary folder, named after tag.
std::string FreshLogFile(const std::string& tag);

std::vector<ControlCall> ReadControlCalls(const std::string& logPath);
std::vector<std::string> ReadLines(const std::string& path);

// Copies a program of the test folder to path (creating its folders).
void CopyTestProgram(const std::string& programName, const std::string& path);

// Points the http association of the prefix at the URL recorder, so that
// opening a web page records its URL and starts no browser.
void UseUrlRecorderAsBrowser();

// Registers the connector control stand-in of the test folder (or path) as
// Tandrel's control program.
void RegisterControlProgram(const std::string& path);
std::string StandInControlProgram();
