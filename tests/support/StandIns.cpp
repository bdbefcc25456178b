#include "tests/support/StandIns.h"

#include <windows.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "tests/support/Driver.h"
#include "tests/support/Registry.h"

std::string FreshLogFile(const std::string& tag)
{
    char folder[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + "tandrel-" + tag + ".log";
    ::DeleteFileA(path.c_str());
    return path;
}

std::vector<std::string> ReadLines(const std::string& path)
{
    std::vector<std::string> lines;
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::vector<ControlCall> ReadControlCalls(const std::string& logPath)
{
    std::vector<ControlCall> calls;
    for (const std::string& line : ReadLines(logPath)) {
        std::istringstream fields(line);
        std::string date, time, field;
        ControlCall call;
        fields >> date >> time >> call.verb;
        // program= may hold blanks: every field up to config= belongs to it.
        std::string rest;
        std::getline(fields, rest);
        const size_t programAt = rest.find(" program=");
        const size_t configAt = rest.rfind(" config=");
        if (programAt == std::string::npos || configAt == std::string::npos) continue;
        call.program = rest.substr(programAt + 9, configAt - programAt - 9);
        call.config = rest.substr(configAt + 8);
        std::istringstream head(rest.substr(0, programAt));
        while (head >> field) {
            const size_t equals = field.find('=');
            const std::string name = field.substr(0, equals), value = field.substr(equals + 1);
            if (name == "priority") call.priority = value;
            if (name == "show") call.show = std::stoi(value);
            if (name == "arguments") call.arguments = std::stoi(value);
        }
        calls.push_back(call);
    }
    return calls;
}

namespace {

// The "\\?\" form lifts the 260-character limit on paths.
std::wstring LongPath(const std::string& path)
{
    return L"\\\\?\\" + std::wstring(path.begin(), path.end());
}

}  // namespace

void CopyTestProgram(const std::string& programName, const std::string& path)
{
    for (size_t slash = path.find('\\', 3); slash != std::string::npos; slash = path.find('\\', slash + 1)) {
        ::CreateDirectoryW(LongPath(path.substr(0, slash)).c_str(), nullptr);
    }
    if (!::CopyFileW(LongPath(TestProgramFolder() + programName).c_str(), LongPath(path).c_str(), FALSE)) {
        throw std::runtime_error("cannot copy " + programName + " to " + path);
    }
}

void UseUrlRecorderAsBrowser()
{
    const std::string command = "\"" + TestProgramFolder() + "url-recorder.exe\" \"%1\"";
    HKEY key;
    if (::RegCreateKeyExA(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", 0, nullptr, 0,
                          KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot set the http association");
    }
    ::RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                     static_cast<DWORD>(command.size() + 1));
    ::RegCloseKey(key);
}

std::string StandInControlProgram() { return TestProgramFolder() + "connector-control.exe"; }

void RegisterControlProgram(const std::string& path)
{
    HKEY key;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kTandrelKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                          &key, nullptr) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot create Tandrel's key");
    }
    ::RegSetValueExA(key, "TandrelExe", 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                     static_cast<DWORD>(path.size() + 1));
    ::RegCloseKey(key);
}
