// Loading and saving the section "Image" through the settings store.
#include "settings/ImageSettings.h"

#include "core/Profile.h"

bool CImageSettings::Load(orv::CProfile& profile, CDisplaySet& displaySet,
                          std::string& schemaName, CCustomColors& customColors)
{
    if (!profile.OpenSection(kSection))
        return false;
    // A broken value is not an error here: the built-in settings simply stay.
    displaySet.Load(profile, kDisplaySet);
    schemaName = profile.GetString(kSchema, schemaName);
    customColors.Load(profile, kCustomColors);
    profile.CloseSection();
    return true;
}

bool CImageSettings::Save(orv::CProfile& profile, const CDisplaySet& displaySet,
                          const std::string& schemaName, const CCustomColors& customColors)
{
    if (!profile.OpenSection(kSection))
        return false;
    bool ok = displaySet.Save(profile, kDisplaySet);
    ok = profile.WriteString(kSchema, schemaName) && ok;
    ok = customColors.Save(profile, kCustomColors) && ok;
    profile.CloseSection();
    return ok;
}
