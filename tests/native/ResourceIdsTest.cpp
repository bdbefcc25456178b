// Two identifiers with the same value in resource.h would silently bind a
// handler or a control to the wrong item.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <string>

namespace {

TEST(ResourceIds, NoTwoIdentifiersShareAValue)
{
    std::ifstream header(TANDREL_RESOURCE_HEADER);
    ASSERT_TRUE(header) << TANDREL_RESOURCE_HEADER;
    const std::regex define(R"(^\s*#define\s+(ID\w+)\s+\(?(-?(?:0x[0-9A-Fa-f]+|\d+))\)?\s*$)");
    std::map<long, std::string> seen;
    std::string line;
    int defines = 0;
    while (std::getline(header, line)) {
        std::smatch match;
        if (!std::regex_match(line, match, define)) continue;
        ++defines;
        const long value = std::stol(match[2].str(), nullptr, 0);
        if (match[1] == "IDC_STATIC") continue;  // shared on purpose by every label
        const auto inserted = seen.emplace(value, match[1].str());
        EXPECT_TRUE(inserted.second) << match[1] << " and " << inserted.first->second << " are both "
                                     << value;
    }
    EXPECT_GT(defines, 0) << "no identifiers read: the pattern no longer matches resource.h";
}

}  // namespace
