// The section "Image": current display settings, scheme name and custom colours.
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
    static bool Load(orv::CProfile& profile, CDisplaySet& displaySet,
                     std::string& schemaName, CCustomColors& customColors);
    // True when the section opened and all three values were written.
    static bool Save(orv::CProfile& profile, const CDisplaySet& displaySet,
                     const std::string& schemaName, const CCustomColors& customColors);
};
