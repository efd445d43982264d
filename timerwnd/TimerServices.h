// What the timer window needs from the application that creates it: the clock and texts for its
// appointments, modal runs, messages and help.
#pragma once

#include "platform/ModalLoop.h"

#include <windows.h>

#include <string>

class CCoreHost;

class CTimerServices {
public:
    virtual ~CTimerServices() = default;

    virtual const CCoreHost& Host() const = 0;
    virtual std::string AppName() const = 0;
    // Runs a dialog or sheet modally, as the owner of every message meanwhile.
    virtual INT_PTR RunModal(CModalWnd& dialog) = 0;
    // A numbered error message of the string table.
    virtual void ShowError(int id) = 0;
    // A help page; null for the start page.
    virtual void ShowHelpTopic(const char* topic) = 0;
    // A reached appointment's information box, owned by the window that owns messages now (the
    // timer window `window`, or a dialog running over it); false when it could not be shown.
    virtual bool ShowDueMessage(HWND window, const std::string& text) = 0;
};
