// The look of the display as one record: display settings, scheme name and custom colours,
// with their section "Image".
#pragma once

#include "settings/CustomColors.h"
#include "settings/DisplaySet.h"

#include <string>

namespace orv {
class CProfile;
}

struct CImageSettings {
    static constexpr const char* kSection = "Image";
    static constexpr const char* kDisplaySet = "DisplaySet";
    static constexpr const char* kSchema = "Schema";
    static constexpr const char* kCustomColors = "CustomColors";

    // Whatever cannot be read keeps its current value; a "DisplaySet" that breaks off part-way
    // keeps the fields read before the fault. False only when the section cannot be opened.
    bool Load(orv::CProfile& profile);
    // True when the section opened and all three values were written.
    bool Save(orv::CProfile& profile) const;

    CDisplaySet m_displaySet;
    std::string m_schemaName;
    CCustomColors m_customColors;
};
