// The settings sheet's pages: one row each, in the order the sheet shows them.
#pragma once

#include "framework/AppServices.h"
#include "sheet/SettingsPage.h"

#include <memory>
#include <vector>

namespace orv {
class CProfile;
}

struct CSettingsPageRow {
    // Makes the page; the services and the profile outlive it.
    using Make = std::unique_ptr<CSettingsPage> (*)(orv::Windows::CAppServices& services, orv::CProfile& profile);

    Make make;
    // Shown for F1 and "Hilfe" while the page is active.
    const char* helpTopic;
};

const std::vector<CSettingsPageRow>& SettingsPages();
