#include "mapping/FormatText.h"

#include <cstdarg>
#include <cstdio>

std::string FormatText(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);

    std::string text;
    if (length > 0) {
        text.resize(static_cast<size_t>(length));
        // vsnprintf writes the terminating NUL into the string's own terminator slot.
        std::vsnprintf(&text[0], text.size() + 1, format, args);
    }
    va_end(args);
    return text;
}
