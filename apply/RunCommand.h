// Runs the connector control program with one verb and returns the first
// piece of output it writes, without waiting for it to end.
#pragma once

#include <windows.h>

#include <string>

// The poll period and the limit, counted in nominal sleep time (500 polls).
const DWORD kCommandPollMs = 20;
const DWORD kCommandLimitMs = 10000;
// The most one read takes from the child's output.
const DWORD kCommandReadMax = 2000;
// The size the runner suggests for each pipe.
const DWORD kCommandPipeSize = 4000;

// Starts programPath (exactly that program, quoted on its command line) with
// verb as its one argument, standard streams on pipes, minimised, at high
// priority. Waits until it writes, polling every 20 ms up to limitMs, then
// reads once, at most 2000 bytes:
//  - standard error wins when it has data: the bytes unchanged, streamFlag 1;
//  - otherwise standard output, each line feed made CR LF, streamFlag 0;
//  - nothing within the limit: "" and streamFlag untouched.
// *started (when given) tells whether a process was created; when none was,
// the runner returns at once.
std::string RunCommand(const std::string& programPath, const char* verb, int& streamFlag,
                       bool* started = nullptr, DWORD limitMs = kCommandLimitMs);

// The command line: the program's path in quotes (quotes it already carried
// are not doubled), a blank, the verb.
std::string ControlCommandLine(const std::string& programPath, const char* verb);
