// A dialog's initialisation data: the resource (type 240, same number as the
// dialog) that lists strings to add to its list and combo boxes when it is
// created. Portable: no Win32, so the parser is tested natively.
//
// Layout, repeated until a control identifier of 0 or the end of the data:
//   WORD control id, WORD message, DWORD length, then length bytes of text
//   (usually with its zero byte). Little-endian. The message is the resource
//   editor's code: 0x0403 adds to a combo box, 0x0401 to a list box.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

const unsigned kDialogInitResourceType = 240;

struct DialogInitItem {
    int controlId;
    unsigned message;  // the Win32 message to send (CB_ADDSTRING or LB_ADDSTRING)
    std::string text;
};

// Items in resource order. Entries with an unknown message are skipped; a
// truncated entry ends the list.
std::vector<DialogInitItem> ParseDialogInitData(const unsigned char* data, std::size_t size);
