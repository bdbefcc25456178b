// An IPv4 address in dotted form, for messages and the log.
#pragma once

#include <string>

#include "SimulatedInterface.h"

std::string AddressText(const Address& address);
