#include "apply/RunCommand.h"

#include <vector>

#include "framework/MessageBox.h"

namespace {

// One anonymous pipe; closes whatever ends it still holds.
struct Pipe {
    HANDLE read = nullptr;
    HANDLE write = nullptr;

    ~Pipe()
    {
        if (write != nullptr) ::CloseHandle(write);
        if (read != nullptr) ::CloseHandle(read);
    }

    // Both ends are made inheritable, then the runner's own end is taken back:
    // a child that held the write end of its own standard input would never
    // see that input end.
    bool Create(SECURITY_ATTRIBUTES& inheritable, bool runnerReads)
    {
        if (!::CreatePipe(&read, &write, &inheritable, kCommandPipeSize)) {
            read = write = nullptr;
            return false;
        }
        ::SetHandleInformation(runnerReads ? read : write, HANDLE_FLAG_INHERIT, 0);
        return true;
    }
};

DWORD BytesAvailable(HANDLE pipe)
{
    DWORD available = 0;
    if (pipe == nullptr || !::PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr)) return 0;
    return available;
}

std::string ReadOnce(HANDLE pipe)
{
    std::vector<char> szBuffer(kCommandReadMax);
    DWORD bytesRead = 0;
    if (!::ReadFile(pipe, szBuffer.data(), kCommandReadMax, &bytesRead, nullptr)) bytesRead = 0;
    return std::string(szBuffer.data(), bytesRead);
}

std::string WithCrLf(const std::string& text)
{
    std::string converted;
    converted.reserve(text.size() * 2);
    for (char c : text) {
        if (c == '\n') converted += '\r';
        converted += c;
    }
    return converted;
}

std::string Unquoted(const std::string& path)
{
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"') {
        return path.substr(1, path.size() - 2);
    }
    return path;
}

}  // namespace

std::string ControlCommandLine(const std::string& programPath, const char* verb)
{
    // Quoted, so that "C:\Program Files\..." can never start C:\Program.exe.
    return "\"" + Unquoted(programPath) + "\" " + verb;
}

std::string RunCommand(const std::string& programPath, const char* verb, int& streamFlag,
                       bool* started, DWORD limitMs)
{
    // Built at the length it needs; CreateProcessA may modify it.
    std::string commandLine = ControlCommandLine(programPath, verb);

    SECURITY_ATTRIBUTES inheritable = {sizeof(inheritable), nullptr, TRUE};
    Pipe stdoutPipe, stderrPipe, stdinPipe;
    if (!stdoutPipe.Create(inheritable, true)) AfxMessageBox("Failed to open stdout pipe", MB_OK);
    if (!stderrPipe.Create(inheritable, true)) AfxMessageBox("Failed to open stderr pipe", MB_OK);
    if (!stdinPipe.Create(inheritable, false)) AfxMessageBox("Failed to open stdin pipe", MB_OK);

    STARTUPINFOA siStartInfo = {};
    siStartInfo.cb = sizeof(siStartInfo);
    siStartInfo.hStdInput = stdinPipe.read;
    siStartInfo.hStdOutput = stdoutPipe.write;
    siStartInfo.hStdError = stderrPipe.write;
    siStartInfo.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    siStartInfo.wShowWindow = SW_MINIMIZE;

    PROCESS_INFORMATION piProcInfo = {};
    const BOOL created = ::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE,
                                          HIGH_PRIORITY_CLASS, nullptr, nullptr, &siStartInfo,
                                          &piProcInfo);
    if (started != nullptr) *started = (created != FALSE);
    if (!created) return std::string();  // no process: nothing can ever arrive

    DWORD dwStdoutAvail = 0, dwStderrAvail = 0;
    for (DWORD waited = 0; waited < limitMs; waited += kCommandPollMs) {
        dwStdoutAvail = BytesAvailable(stdoutPipe.read);
        dwStderrAvail = BytesAvailable(stderrPipe.read);
        if (dwStdoutAvail != 0 || dwStderrAvail != 0) break;
        ::Sleep(kCommandPollMs);
    }

    std::string text;
    if (dwStderrAvail != 0) {
        text = ReadOnce(stderrPipe.read);
        streamFlag = 1;
    } else if (dwStdoutAvail != 0) {
        text = WithCrLf(ReadOnce(stdoutPipe.read));
        streamFlag = 0;
    }

    // The child is neither waited for nor ended; the pipes close with it.
    ::CloseHandle(piProcInfo.hProcess);
    ::CloseHandle(piProcInfo.hThread);
    return text;
}
