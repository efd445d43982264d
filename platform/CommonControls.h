// Registration of the common control classes a dialog template may name.
#pragma once

#include "platform/LateDlls.h"

// List views, date pickers, trackbars and property sheets need their classes registered before
// the first dialog that holds one is created. Called before every dialog and sheet rather than
// at start-up: the control library then loads with the first dialog, and the idle timer window
// never pays for it. Registering again is harmless.
inline void RegisterCommonControls()
{
    const INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_DATE_CLASSES |
                                                              ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    orv::late::InitCommonControlsEx(&controls);
}
