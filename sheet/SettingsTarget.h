// What the settings sheet edits, as one value, and the side that hands it in and takes it back.
#pragma once

#include "core/TerminList.h"
#include "settings/ImageSettings.h"
#include "settings/TimerOptions.h"

namespace orv {
class CProfile;
}

// The appointments, the look of the display and the window's options.
struct CSettingsData {
    CTerminList m_termine;
    CImageSettings m_image;
    CTimerOptions m_options;
};

class CSettingsTarget {
public:
    virtual ~CSettingsTarget() = default;
    // A copy of the live values.
    virtual CSettingsData GetSettings() const = 0;
    // Takes the edited values back: the list in place of the live one, the look, and the options
    // (the placement stays the target's own).
    virtual void SetSettings(const CSettingsData& edited) = 0;
    // The store the pages keep their own settings in (folders, schemes).
    virtual orv::CProfile& Profile() = 0;
};
