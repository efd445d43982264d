// Owned and borrowed menu wrappers and check marks from truth values.
#include "platform/MenuEx.h"

namespace orv {

CMenuEx::~CMenuEx()
{
    // The borrowed handle belongs to the menu it came from.
    if (m_bBorrowed)
        Detach();
}

std::unique_ptr<CMenuEx> CMenuEx::Wrap(HMENU menu)
{
    auto wrapper = std::make_unique<CMenuEx>();
    if (!wrapper->Attach(menu))
        return nullptr;
    wrapper->m_bBorrowed = true;
    return wrapper;
}

std::unique_ptr<CMenuEx> CMenuEx::GetSubMenuEx(int position) const
{
    const HMENU own = GetSafeHmenu();
    if (!own)
        return nullptr;
    return Wrap(::GetSubMenu(own, position));
}

bool CMenuEx::CheckItem(UINT commandId, bool checked)
{
    const DWORD result = ::CheckMenuItem(GetSafeHmenu(), commandId,
                                         MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
    return result != static_cast<DWORD>(-1);
}

}  // namespace orv
