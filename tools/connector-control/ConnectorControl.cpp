// A stand-in for the connector control program, for machines without the
// real connector: takes "disable" or "enable", records the call, prints one
// status line and exits.
//
//   connector-control.exe <verb>
//
// Settings, from the environment (so that they pass through Tandrel, which
// starts this program with the verb alone):
//   TANDREL_STANDIN_LOG       file receiving one line per call
//                             (default: connector-control.log beside this program)
//   TANDREL_STANDIN_OUTPUT    stdout (default), crlf (standard output with CR LF
//                             line ends), stderr, both (standard error first,
//                             then standard output), silent, or flood (5000
//                             bytes on standard output)
//   TANDREL_STANDIN_DELAY_MS  wait this long before printing (default 0)
//   TANDREL_STANDIN_AWAIT_STDIN  when 1, after printing, read standard input to
//                             its end and log "<time> <verb> stdin-closed"
//
// Each log line, written before anything is printed:
//   <time> <verb> priority=<class> show=<n> arguments=<n> program=<path> config=<sub-keys>
// where config lists the connector configuration's sub-keys at that moment,
// so a test can tell whether the call came before or after the rewrite.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string Environment(const char* name, const std::string& fallback)
{
    char value[1024];
    const DWORD length = ::GetEnvironmentVariableA(name, value, sizeof(value));
    return (length > 0 && length < sizeof(value)) ? std::string(value, length) : fallback;
}

std::string ProgramPath()
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

std::string ProgramFolder()
{
    const std::string path = ProgramPath();
    return path.substr(0, path.find_last_of('\\') + 1);
}

const char* PriorityName(DWORD priorityClass)
{
    switch (priorityClass) {
    case HIGH_PRIORITY_CLASS: return "high";
    case NORMAL_PRIORITY_CLASS: return "normal";
    case IDLE_PRIORITY_CLASS: return "idle";
    case REALTIME_PRIORITY_CLASS: return "realtime";
    case ABOVE_NORMAL_PRIORITY_CLASS: return "above-normal";
    case BELOW_NORMAL_PRIORITY_CLASS: return "below-normal";
    default: return "unknown";
    }
}

std::string ConnectorSubKeys()
{
    std::string names;
    HKEY key;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\ELTIMA Software\\SEC\\Config", 0, KEY_READ,
                        &key) != ERROR_SUCCESS) {
        return "(none)";
    }
    char name[256];
    for (DWORD i = 0; ::RegEnumKeyA(key, i, name, sizeof(name)) == ERROR_SUCCESS; ++i) {
        if (!names.empty()) names += ',';
        names += name;
    }
    ::RegCloseKey(key);
    return names;
}

std::string Now()
{
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    char text[32];
    std::snprintf(text, sizeof(text), "%04d-%02d-%02d %02d:%02d:%02d.%03d", now.wYear, now.wMonth,
                  now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds);
    return text;
}

void AppendLine(const std::string& logPath, const std::string& line)
{
    FILE* log = std::fopen(logPath.c_str(), "a");
    if (log == nullptr) return;
    std::fprintf(log, "%s\n", line.c_str());
    std::fclose(log);
}

void Record(const std::string& logPath, const std::string& verb, int argumentCount)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    ::GetStartupInfoA(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;

    AppendLine(logPath, Now() + " " + verb +
                            " priority=" + PriorityName(::GetPriorityClass(::GetCurrentProcess())) +
                            " show=" + std::to_string(show) +
                            " arguments=" + std::to_string(argumentCount) +
                            " program=" + ProgramPath() + " config=" + ConnectorSubKeys());
}

void AwaitEndOfInput(const std::string& logPath, const std::string& verb)
{
    char buffer[256];
    DWORD read = 0;
    while (::ReadFile(::GetStdHandle(STD_INPUT_HANDLE), buffer, sizeof(buffer), &read, nullptr) &&
           read > 0) {
    }
    AppendLine(logPath, Now() + " " + verb + " stdin-closed");
}

void Write(DWORD which, const std::string& text)
{
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(which), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string verb = argc > 1 ? argv[1] : "";
    const std::string logPath = Environment("TANDREL_STANDIN_LOG", ProgramFolder() + "connector-control.log");
    Record(logPath, verb, argc - 1);

    const int delay = std::atoi(Environment("TANDREL_STANDIN_DELAY_MS", "0").c_str());
    if (delay > 0) ::Sleep(static_cast<DWORD>(delay));

    const std::string output = Environment("TANDREL_STANDIN_OUTPUT", "stdout");
    const bool known = (verb == "disable" || verb == "enable");
    const std::string status = known ? "Connector " + verb + "d.\n" : "Unknown command: " + verb + "\n";
    if (output == "stderr") {
        Write(STD_ERROR_HANDLE, "Error: " + status);
    } else if (output == "both") {
        Write(STD_ERROR_HANDLE, "Error: " + status);
        Write(STD_OUTPUT_HANDLE, status);
    } else if (output == "crlf") {
        Write(STD_OUTPUT_HANDLE, status.substr(0, status.size() - 1) + "\r\n");
    } else if (output == "flood") {
        Write(STD_OUTPUT_HANDLE, std::string(5000, 'x'));
    } else if (output != "silent") {
        Write(STD_OUTPUT_HANDLE, status);
    }
    if (Environment("TANDREL_STANDIN_AWAIT_STDIN", "0") == "1") AwaitEndOfInput(logPath, verb);
    return known ? 0 : 2;
}
