// Owner of one menu handle: attached, loaded from the resources, detached or destroyed.
#pragma once

#include <windows.h>

class CMenu {
public:
    CMenu() = default;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;
    // Destroys a handle that is still attached.
    virtual ~CMenu();

    // Fails for a null handle and while another handle is attached (it would leak).
    bool Attach(HMENU menu);
    HMENU Detach();
    // Loads the menu resource from `instance` (null: the program file) and attaches it.
    // <windows.h> maps the name to LoadMenuA here as everywhere else, so callers match.
    bool LoadMenu(UINT resourceId, HINSTANCE instance = nullptr);
    bool DestroyMenu();

    HMENU GetSafeHmenu() const { return m_hMenu; }

private:
    HMENU m_hMenu = nullptr;
};
