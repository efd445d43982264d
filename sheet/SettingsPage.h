// What the settings sheet asks of each of its pages: take the values in before the page opens,
// give its part back on OK and Apply, and be marked changed or clean.
#pragma once

#include "platform/PropertySheet.h"
#include "sheet/SettingsTarget.h"

class CSettingsPage : public CPropertyPage {
public:
    using CPropertyPage::CPropertyPage;

    // Before the page window exists: the page copies what it edits.
    virtual void TakeIn(const CSettingsData& settings) = 0;
    // Writes the page's edits into `settings`; the rest stays as it is.
    virtual void GiveBack(CSettingsData& settings) const = 0;
    // true: the user changed something (Apply becomes possible); false: the sheet has applied.
    virtual void MarkChanged(bool changed) { SetModified(changed); }
};
