// A stand-in for the web browser: records each URL it is asked to open, one
// per line, and opens nothing. Tests point the http association at it.
//
//   url-recorder.exe <url>
//
// The log is %TANDREL_URL_LOG%, or url-recorder.log beside this program.
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    char logPath[MAX_PATH] = {};
    const DWORD length = ::GetEnvironmentVariableA("TANDREL_URL_LOG", logPath, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        ::GetModuleFileNameA(nullptr, logPath, MAX_PATH);
        std::string path = logPath;
        path = path.substr(0, path.find_last_of('\\') + 1) + "url-recorder.log";
        lstrcpynA(logPath, path.c_str(), MAX_PATH);
    }
    FILE* log = std::fopen(logPath, "a");
    if (log == nullptr) return 1;
    std::fprintf(log, "%s\n", argc > 1 ? argv[1] : "");
    std::fclose(log);
    return 0;
}
