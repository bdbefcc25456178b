#include <gtest/gtest.h>

#include <climits>

#include "mapping/DecimalValue.h"
#include "mapping/DottedQuad.h"

namespace {

TEST(DecimalValue, ReadsLikeAtoiAndSaturatesOnOverflow)
{
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"", 0},
        {"abc", 0},
        {"8080", 8080},
        {"  502x", 502},
        {"\t\n\v\f\r 7", 7},
        {"-1", -1},
        {"+42", 42},
        {"- 1", 0},
        {"--1", 0},
        {"0x10", 0},
        {"007", 7},
        {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},
        {"99999999999999999999999999", INT_MAX},
        {"-2147483648", INT_MIN},
        {"-2147483649", INT_MIN},
        {"-99999999999999999999999999", INT_MIN},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecimalValue(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(ParseDottedQuad, ReadsEachByteModulo256AndStopsAfterTheFourth)
{
    using Bytes = std::array<std::uint8_t, 4>;
    const struct {
        const char* text;
        Bytes bytes;
    } cases[] = {
        {"192.168.1.10:5000:1:0:7000:1000", {192, 168, 1, 10}},
        {"192.168.1.10:5000:0", {192, 168, 1, 10}},
        {"10.0.0.5", {10, 0, 0, 5}},
        {"10.0.0", {10, 0, 0, 0}},
        {"300.1.2.3:80", {44, 1, 2, 3}},
        {"1:2:3:4:5000", {1, 2, 3, 4}},
        {"Unknown", {0, 0, 0, 0}},
        {"", {0, 0, 0, 0}},
        {"1a2.b3.c", {12, 3, 0, 0}},              // other characters are skipped
        {"65536.65537.70000.1", {0, 1, 112, 1}},  // the accumulator is 16-bit
        {"1.2.3.4.5.6", {1, 2, 3, 4}},
        {"..", {0, 0, 0, 0}},
        {"99999999999999999999", {255, 0, 0, 0}},  // (10^20 - 1) mod 256
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseDottedQuad(c.text), c.bytes) << '"' << c.text << '"';
    }
}

}  // namespace
