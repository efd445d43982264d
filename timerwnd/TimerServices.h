// What the timer window needs from the application that creates it: the application's services
// (modal runs, messages, help, questions, the core host with the clock and texts for its
// appointments), its name and the due announcements.
#pragma once

#include "framework/AppServices.h"

#include <windows.h>

#include <string>

class CTimerServices : public orv::Windows::CAppServices {
public:
    virtual std::string AppName() const = 0;
    // A reached appointment's information box, owned by the window that owns messages now (the
    // timer window `window`, or a dialog running over it); false when it could not be shown.
    virtual bool ShowDueMessage(HWND window, const std::string& text) = 0;
};
