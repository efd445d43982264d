// Help as the user asks for it: F1 on the timer window opens its page in the browser.
#include "E2eFixture.h"
#include "HelpRequests.h"
#include "UserInput.h"

namespace e2e {
namespace {

TEST_F(ZielmarkTest, F1OnTheTimerWindowOpensItsHelpPageInTheBrowser)
{
    HelpRequests help;
    HWND timer = Start();
    ASSERT_NE(timer, nullptr);
    SetForegroundWindow(timer);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == timer; }, 3000));
    PressKey(VK_F1);
    ASSERT_TRUE(help.WaitFor(1));
    const std::string address = help.Addresses().front();
    EXPECT_EQ(address.rfind("file:///", 0), 0u) << address;
    EXPECT_NE(address.find("/help/ref_dlg_main.html"), std::string::npos) << address;
    EXPECT_TRUE(CloseByMessage(timer));
}

}  // namespace
}  // namespace e2e
