#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/DialogInitData.h"

namespace {

// One entry as the resource compiler lays it out.
std::string Entry(unsigned id, unsigned message, const std::string& text)
{
    std::string bytes;
    bytes += char(id & 0xFF);
    bytes += char(id >> 8);
    bytes += char(message & 0xFF);
    bytes += char(message >> 8);
    const size_t length = text.size();
    for (int shift = 0; shift < 32; shift += 8) bytes += char((length >> shift) & 0xFF);
    return bytes + text;
}

std::vector<DialogInitItem> Parse(const std::string& bytes)
{
    return ParseDialogInitData(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

TEST(DialogInitData, ReadsComboAndListStringsInOrder)
{
    const std::string data = Entry(1014, 0x0403, std::string("TCP\0", 4)) +
                             Entry(1014, 0x0403, std::string("UDP\0", 4)) +
                             Entry(1000, 0x0401, "no zero byte") + Entry(1000, 0x9999, "skipped") +
                             std::string("\0\0", 2) + Entry(1014, 0x0403, "after the end");
    const std::vector<DialogInitItem> items = Parse(data);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].controlId, 1014);
    EXPECT_EQ(items[0].message, 0x0143u);  // CB_ADDSTRING
    EXPECT_EQ(items[0].text, "TCP");
    EXPECT_EQ(items[1].text, "UDP");
    EXPECT_EQ(items[2].controlId, 1000);
    EXPECT_EQ(items[2].message, 0x0180u);  // LB_ADDSTRING
    EXPECT_EQ(items[2].text, "no zero byte");
}

// Damaged data must never be read past its end: every truncation of a valid
// resource, and lengths that point outside it, end the list quietly.
TEST(DialogInitData, StopsAtTruncatedOrOverlongEntries)
{
    const std::string data = Entry(1014, 0x0403, std::string("TCP\0", 4)) +
                             Entry(1014, 0x0403, std::string("UDP\0", 4)) + std::string("\0\0", 2);
    for (size_t size = 0; size <= data.size(); ++size) {
        std::vector<unsigned char> copy(data.begin(), data.begin() + static_cast<long>(size));
        const auto items = ParseDialogInitData(copy.data(), copy.size());
        EXPECT_LE(items.size(), 2u);
    }
    std::string overlong = Entry(1014, 0x0403, "abc");
    overlong[4] = char(0xFF);
    overlong[7] = char(0xFF);  // claims about 4 GB of text
    EXPECT_TRUE(Parse(overlong).empty());
}

}  // namespace
