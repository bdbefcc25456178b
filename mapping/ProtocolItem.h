// The edit dialog's protocol list and the kinds its items stand for:
// item 0 "TCP" is a TCP client (kind 1), item 1 "UDP" is UDP (kind 3).
// The Telnet client (kind 2) has no item. Portable: no Win32.
#pragma once

#include <cstdint>

const int kNoProtocolItem = -1;

// The item to preselect for a kind: kNoProtocolItem for the Telnet client.
// Kinds outside 1..3 count as a TCP client.
int ProtocolItemOfKind(std::int32_t mode);

// The kind of the item chosen; with no item chosen (or an unknown index),
// kindWithoutItem, so that a kind the list cannot show survives an edit.
std::int32_t KindOfProtocolItem(int item, std::int32_t kindWithoutItem);
