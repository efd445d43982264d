// What windows and dialogs ask of the application that creates them: modal runs with the right
// owner, numbered messages, help pages, yes/no questions, and the core host for the appointments
// they show and edit.
#pragma once

#include "platform/ModalLoop.h"

#include <cstdarg>

class CCoreHost;

namespace orv::Windows {

class CAppServices {
public:
    virtual ~CAppServices() = default;

    // The clock, locale date text and texts of the portable code; it outlives the services.
    virtual const CCoreHost& Host() const = 0;

    // Runs a dialog, sheet or system dialog with it as the owner of every message and help
    // window meanwhile (for a system dialog: its owner).
    virtual INT_PTR RunModal(CModalWnd& dialog) = 0;
    // Numbered messages: the string-table text of `id`, formatted with the arguments.
    void ShowError(int id, ...);
    void ShowWarning(int id, ...);
    // The help page `topic` (null or empty: the start page).
    virtual void ShowHelpTopic(const char* topic) = 0;
    // The string-table question `textId` under the application's title; true for Yes.
    virtual bool AskYesNo(HWND owner, int textId) = 0;

protected:
    // `kind` is a MessageKind of the message dialog.
    virtual void ShowNumbered(int id, int kind, va_list args) = 0;
};

}  // namespace orv::Windows
