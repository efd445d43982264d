// The timer window's options: frame, always on top, tray icon, double-click command and the
// window placement, with their section "MainWnd".
#pragma once

#include <cstdint>

namespace orv {
class CProfile;
}

// The platform's window placement record as it is stored: eleven 32-bit fields, 44 bytes.
struct CWindowPlacement {
    int32_t length = 44;
    int32_t flags = 0;
    int32_t showCmd = 1;  // shown normally
    int32_t minX = -1, minY = -1;
    int32_t maxX = -1, maxY = -1;
    int32_t left = 20, top = 20, right = 200, bottom = 30;

    static constexpr int32_t kShowNormal = 1;

    // What is applied of a stored placement: an empty or inverted normal rectangle gives the
    // default one (20, 20), any other show state than normal (minimised, maximised, hidden)
    // gives normal. Whether the rectangle lies on a monitor is the window's business.
    CWindowPlacement Showable() const;
};
static_assert(sizeof(CWindowPlacement) == 44, "the stored placement block is 44 bytes");

class CTimerOptions {
public:
    static constexpr const char* kSection = "MainWnd";

    // Reads every value; one that is missing or unreadable keeps the current value, except
    // TaskbarIcon (true) and DblClkCmd (the settings command). False when the section cannot
    // be opened (nothing changes then).
    bool Load(orv::CProfile& profile);
    // Placement, TaskbarIcon, AlwaysOnTop, Border, DblClkCmd, in this order.
    bool Save(orv::CProfile& profile) const;

    bool operator==(const CTimerOptions& other) const;
    bool operator!=(const CTimerOptions& other) const { return !(*this == other); }

    bool m_bTaskbarIcon = true;
    bool m_bAlwaysOnTop = true;
    bool m_bBorder = true;
    int32_t m_nDblClkCmd = 0;  // a command of the window's menu; 0 for none
    CWindowPlacement m_placement;
};
