#include "mapping/DecimalValue.h"

#include <climits>

namespace {

bool IsCSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

int DecimalValue(const char* text)
{
    const char* p = text;
    while (IsCSpace(*p)) ++p;

    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = (*p == '-');
        ++p;
    }

    // The magnitude stops growing once it is past any int; it still fits easily.
    const unsigned long long pastInt = static_cast<unsigned long long>(INT_MAX) + 1;
    unsigned long long magnitude = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        if (magnitude < pastInt) magnitude = magnitude * 10 + static_cast<unsigned>(*p - '0');
    }

    if (negative) {
        return magnitude >= pastInt ? INT_MIN : -static_cast<int>(magnitude);
    }
    return magnitude > static_cast<unsigned long long>(INT_MAX) ? INT_MAX
                                                                 : static_cast<int>(magnitude);
}

int DecimalValue(const std::string& text)
{
    return DecimalValue(text.c_str());
}
