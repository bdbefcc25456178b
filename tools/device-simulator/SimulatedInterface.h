// One simulated device interface, as one config line describes it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;
using Mac = std::array<std::uint8_t, 6>;
using Address = std::array<std::uint8_t, 4>;  // dotted order

struct SimulatedInterface {
    int line = 0;                     // in the config file, for messages
    Address ip = {};                  // answers from here, on the local interface holding it
    Mac mac = {};                     // InterfaceMac
    Mac unit = {};                    // UnitMac; all zero: not part of a unit
    std::uint8_t kind = 0;            // InterfaceKind
    Address configured = {};          // ConfiguredAddress; 0.0.0.0 for DHCP
    std::optional<Address> active;    // ActiveAddress; none: marker 0
    std::string name = "Device";
    std::optional<std::string> app;   // none: the reply ends with the name's zero byte
    int delayMs = 0;
    std::optional<Bytes> raw;         // sent instead of the well-formed reply
    std::optional<std::size_t> truncate;
};
