#include <gtest/gtest.h>

#include "editdlg/EditConversions.h"

namespace {

TEST(EditConversions, PortTextKeepsTheLow16BitsOfItsDecimalValue)
{
    const struct {
        const char* text;
        unsigned port;
    } cases[] = {
        {"8080", 8080}, {"70000", 4464}, {"-1", 65535}, {"abc", 0},   {"", 0},
        {"  502x", 502}, {"65535", 65535}, {"65536", 0}, {"0", 0},    {"99999999999", 65535},
    };
    for (const auto& c : cases) EXPECT_EQ(PortOfText(c.text), c.port) << '"' << c.text << '"';
}

TEST(EditConversions, ComItemsRoundTrip)
{
    for (int n : {1, 9, 10, 90}) {
        EXPECT_EQ(ComNumberOfItem(ComItemText(n)), n);
    }
    EXPECT_EQ(ComItemText(7), "COM7");
    EXPECT_EQ(ComNumberOfItem(""), 0);
    EXPECT_EQ(ComNumberOfItem("COM"), 0);
}

}  // namespace
