// The one-line text of a mapping in the port list. While the port list is
// open its rows are the only copy of the mappings, so ParseRowText must give
// back exactly what FormatRow was given. Portable: no Win32.
#pragma once

#include <string>

#include "mapping/PortRecord.h"

// The label a row shows for a kind. Kinds outside 1..3 show as TCP.
const char* ProtocolLabel(std::int32_t mode);

// "COM%d \t%d.%d.%d.%d\t  port: %d\t %s" filled from the record.
std::string FormatRow(std::int32_t com_port, std::uint32_t ipa, std::uint16_t net_port,
                      std::int32_t mode);

// Reads a row back. Accepts any text, including rows FormatRow did not make:
// missing pieces read as 0 and unrecognised labels as a TCP client.
PortRecord ParseRowText(const std::string& row);
