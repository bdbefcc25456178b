// The finder where no device answers (the test namespace has only its
// loopback interface): what the user sees and what Find hands back.
#include <string>
#include <vector>

#include "tests/support/TandrelScreens.h"
#include "tests/wine/StandInFixture.h"

namespace {

class FinderWithoutDevices : public StandInFixture {};

TEST_F(FinderWithoutDevices, NothingSelectedAndCancelKeepTheTypedAddress)
{
    PortListScreen window;
    EditScreen edit = window.OpenNew();
    edit.EnterAddress(10, 1, 2, 3);
    edit.Click(ids::kFind);
    FinderScreen finder = window.WaitForFinder();
    EXPECT_TRUE(finder.Tree().empty());
    EXPECT_FALSE(finder.SearchAgainEnabled());

    finder.Click(IDOK);
    MessageBoxScreen message = window.WaitForMessageBox();
    EXPECT_EQ(message.Text(), "You must first select a device in the\nSelect a Unit in the tree.");
    message.Answer(IDOK);
    EXPECT_TRUE(::IsWindowVisible(finder.Handle())) << "the finder stays open";

    finder.Click(IDCANCEL);
    MessageBoxScreen notSet = window.WaitForMessageBox();
    EXPECT_EQ(notSet.Text(), "IP not set");
    notSet.Answer(IDOK);
    EXPECT_EQ(edit.AddressFields(), (std::vector<std::string>{"10", "1", "2", "3"}));

    edit.ChooseCom("COM9");
    edit.Click(IDOK);
    window.WaitUntilOnlyWindow();
    EXPECT_EQ(window.Rows(), std::vector<std::string>{"COM9 \t10.1.2.3\t  port: 1000\t TCP"});
}

}  // namespace
