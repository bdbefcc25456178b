// The datagram a simulated interface answers a query with.
#pragma once

#include "SimulatedInterface.h"

// "RPLX", a kind byte, the 148-byte device record, the name and its zero
// byte, then the application text and its zero byte when there is one.
Bytes WellFormedReply(const SimulatedInterface& device);

// What goes on the wire: raw= as it is, else the well-formed reply cut to
// truncate= bytes when that is shorter.
Bytes DeviceReply(const SimulatedInterface& device);
