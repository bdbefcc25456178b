#include "framework/DialogInitData.h"

namespace {

const unsigned kResourceComboAddString = 0x0403;
const unsigned kResourceListAddString = 0x0401;
const unsigned kCbAddString = 0x0143;  // CB_ADDSTRING
const unsigned kLbAddString = 0x0180;  // LB_ADDSTRING

unsigned ReadWord(const unsigned char* p) { return p[0] | (p[1] << 8); }

unsigned long ReadDword(const unsigned char* p)
{
    return static_cast<unsigned long>(p[0]) | (static_cast<unsigned long>(p[1]) << 8) |
           (static_cast<unsigned long>(p[2]) << 16) | (static_cast<unsigned long>(p[3]) << 24);
}

}  // namespace

std::vector<DialogInitItem> ParseDialogInitData(const unsigned char* data, std::size_t size)
{
    std::vector<DialogInitItem> items;
    std::size_t at = 0;
    while (size - at >= 2) {
        const unsigned controlId = ReadWord(data + at);
        if (controlId == 0 || size - at < 8) break;
        const unsigned message = ReadWord(data + at + 2);
        const unsigned long length = ReadDword(data + at + 4);
        at += 8;
        if (length > size - at) break;

        const char* text = reinterpret_cast<const char*>(data + at);
        std::size_t textLength = 0;
        while (textLength < length && text[textLength] != '\0') ++textLength;
        at += length;

        if (message == kResourceComboAddString) {
            items.push_back({static_cast<int>(controlId), kCbAddString, std::string(text, textLength)});
        } else if (message == kResourceListAddString) {
            items.push_back({static_cast<int>(controlId), kLbAddString, std::string(text, textLength)});
        }
    }
    return items;
}
