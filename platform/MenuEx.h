// Menu wrapper that either owns its handle or borrows one (a pop-up inside another menu).
#pragma once

#include "platform/Menu.h"

#include <memory>

namespace orv {

class CMenuEx : public CMenu {
public:
    CMenuEx() = default;
    ~CMenuEx() override;

    // A wrapper borrowing `menu`, or null for a null handle.
    static std::unique_ptr<CMenuEx> Wrap(HMENU menu);

    // Borrowed wrapper of the pop-up at `position`, or null when there is none.
    std::unique_ptr<CMenuEx> GetSubMenuEx(int position) const;

    // False when the menu has no item with that command id.
    bool CheckItem(UINT commandId, bool checked);

private:
    bool m_bBorrowed = false;
};

}  // namespace orv
