// libFuzzer entry: scripts/fuzz.sh builds and runs it with clang.
#include <cstdint>
#include <cstdlib>
#include <cstdio>

#include "discovery/DeviceTree.h"
#include "tests/fuzz/ReceivePath.h"
#include "tests/native/FakeTreeView.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FakeTreeView view;
    DeviceTree tree(view);
    FeedReceivePath(data, size, tree);
    const std::string broken = CheckTree(tree);
    if (!broken.empty()) {
        std::fprintf(stderr, "broken invariant: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
