// Reading the simulator's config: one device interface per line,
//   interface ip=10.0.1.20 mac=00:11:22:33:44:01 name="Lab unit" delay=200
// '#' starts a comment outside quotes; blank lines are ignored. Inside double
// quotes blanks and '#' are kept, and \" and \\ stand for " and \.
#pragma once

#include <string>
#include <vector>

#include "SimulatedInterface.h"

struct ConfigResult {
    std::vector<SimulatedInterface> interfaces;
    int errorLine = 0;  // 0 when the whole text was read
    std::string error;
};

// Stops at the first bad line.
ConfigResult ParseConfig(const std::string& text);
