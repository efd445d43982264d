// Loading and saving the section "Image" through the settings store.
#include "settings/ImageSettings.h"

#include "core/Profile.h"

bool CImageSettings::Load(orv::CProfile& profile)
{
    if (!profile.OpenSection(kSection))
        return false;
    // A broken value is not an error here: the built-in settings simply stay.
    m_displaySet.Load(profile, kDisplaySet);
    m_schemaName = profile.GetString(kSchema, m_schemaName);
    m_customColors.Load(profile, kCustomColors);
    profile.CloseSection();
    return true;
}

bool CImageSettings::Save(orv::CProfile& profile) const
{
    if (!profile.OpenSection(kSection))
        return false;
    bool ok = m_displaySet.Save(profile, kDisplaySet);
    ok = profile.WriteString(kSchema, m_schemaName) && ok;
    ok = m_customColors.Save(profile, kCustomColors) && ok;
    profile.CloseSection();
    return ok;
}
