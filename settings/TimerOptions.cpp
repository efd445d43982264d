// Window options through the settings store, in the encodings every stored setting uses.
#include "settings/TimerOptions.h"

#include "core/Profile.h"
#include "res/resource.h"

#include <cstring>

CWindowPlacement CWindowPlacement::Showable() const
{
    CWindowPlacement result = *this;
    result.length = sizeof(CWindowPlacement);
    // Minimised or hidden it would stay so, and be saved so again at the end: never seen.
    result.showCmd = kShowNormal;
    result.flags = 0;
    // Such a window never paints, so it would never take the size of its text either.
    if (right <= left || bottom <= top) {
        const CWindowPlacement defaults;
        result.left = defaults.left;
        result.top = defaults.top;
        result.right = defaults.right;
        result.bottom = defaults.bottom;
    }
    return result;
}

bool CTimerOptions::Load(orv::CProfile& profile)
{
    if (!profile.OpenSection(kSection))
        return false;
    m_bBorder = profile.GetBool("Border", m_bBorder);
    profile.GetBinary("Placement", sizeof(m_placement), &m_placement, &m_placement);
    m_placement.length = sizeof(m_placement);  // whatever was stored
    m_bTaskbarIcon = profile.GetBool("TaskbarIcon", true);
    m_bAlwaysOnTop = profile.GetBool("AlwaysOnTop", m_bAlwaysOnTop);
    m_nDblClkCmd = profile.GetInt("DblClkCmd", ID_SETTINGS);
    profile.CloseSection();
    return true;
}

bool CTimerOptions::Save(orv::CProfile& profile) const
{
    if (!profile.OpenSection(kSection))
        return false;
    bool ok = profile.WriteBinary("Placement", sizeof(m_placement), &m_placement);
    ok = profile.WriteBool("TaskbarIcon", m_bTaskbarIcon) && ok;
    ok = profile.WriteBool("AlwaysOnTop", m_bAlwaysOnTop) && ok;
    ok = profile.WriteBool("Border", m_bBorder) && ok;
    ok = profile.WriteInt("DblClkCmd", m_nDblClkCmd) && ok;
    profile.CloseSection();
    return ok;
}

bool CTimerOptions::operator==(const CTimerOptions& other) const
{
    return m_bTaskbarIcon == other.m_bTaskbarIcon && m_bAlwaysOnTop == other.m_bAlwaysOnTop &&
           m_bBorder == other.m_bBorder && m_nDblClkCmd == other.m_nDblClkCmd &&
           std::memcmp(&m_placement, &other.m_placement, sizeof(m_placement)) == 0;
}
