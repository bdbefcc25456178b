// What one mapping looks like in the connector's configuration: the sub-key
// name, the seven values written for it, and the rules that turn stored
// values back into a mapping. Portable: no Win32; the registry calls live in
// ConnectorStore.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "mapping/PortRecord.h"

// How a value is stored: a plain string, or a list holding exactly one string.
enum class StoredValueType { String, OneStringList };

struct StoredValue {
    const char* name;
    StoredValueType type;
    std::string text;
};

// "QVCOM%d" for the COM number.
std::string MappingSubKeyName(std::int32_t com_port);

// The seven values of a mapping, in the order they are written. Kinds outside
// 1..3 are written like a TCP client.
std::vector<StoredValue> MappingValues(const PortRecord& record);

// The exact bytes stored for a value: the text and its zero byte, plus the
// zero byte that ends the list for a one-string list.
std::string StoredBytes(const StoredValue& value);

// Reads a mapping from a sub-key's values. readValue gives a value's text, or
// the fallback "Unknown" when it cannot be read; values are asked for in the
// order the connector's rules need them and only when needed. Returns false
// when the values name no mapping (the sub-key then gives no row).
using ValueReader = std::function<std::string(const char* valueName)>;
bool DecodeMapping(const ValueReader& readValue, PortRecord& record);

extern const char kUnreadableValue[];  // "Unknown"
