// Help pages the program asks the shell to show, recorded by a stand-in browser that the test
// registers for ".html" files of the test user.
#pragma once

#include <string>
#include <vector>

namespace e2e {

class HelpRequests {
public:
    // Registers the recorder for ".html" files and starts with no recorded request.
    HelpRequests();
    // Removes the registration.
    ~HelpRequests();
    HelpRequests(const HelpRequests&) = delete;
    HelpRequests& operator=(const HelpRequests&) = delete;

    // The addresses asked for so far, each without its quotes.
    std::vector<std::string> Addresses() const;
    // Waits until `count` requests have come; false after the timeout.
    bool WaitFor(size_t count, unsigned timeoutMs = 5000) const;

private:
    std::string m_log;
};

}  // namespace e2e
