// Menu handle owner.
#include "platform/Menu.h"

CMenu::~CMenu()
{
    DestroyMenu();
}

bool CMenu::Attach(HMENU menu)
{
    if (!menu || m_hMenu)
        return false;
    m_hMenu = menu;
    return true;
}

HMENU CMenu::Detach()
{
    const HMENU menu = m_hMenu;
    m_hMenu = nullptr;
    return menu;
}

bool CMenu::LoadMenu(UINT resourceId, HINSTANCE instance)
{
    if (m_hMenu)
        return false;
    if (!instance)
        instance = GetModuleHandleA(nullptr);
    return Attach(::LoadMenuA(instance, MAKEINTRESOURCEA(resourceId)));
}

bool CMenu::DestroyMenu()
{
    if (!m_hMenu)
        return false;
    return ::DestroyMenu(Detach()) != FALSE;
}
