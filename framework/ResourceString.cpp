#include "framework/ResourceString.h"

#include "framework/WinApp.h"

bool AfxLoadString(UINT nID, std::string& text)
{
    // LoadStringA truncates to the buffer without saying so: grow the buffer
    // until the string fits with room to spare.
    for (size_t size = 256; size <= 65536; size *= 2) {
        text.assign(size, '\0');
        const int length =
            ::LoadStringA(AfxGetInstanceHandle(), nID, &text[0], static_cast<int>(size));
        if (length <= 0) {
            text.clear();
            return false;
        }
        if (static_cast<size_t>(length) < size - 1) {
            text.resize(static_cast<size_t>(length));
            return true;
        }
    }
    text.clear();
    return false;
}
