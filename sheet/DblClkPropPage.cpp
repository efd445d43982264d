// Double-click page: the timer window's menu items as choices, each carrying its command id.
#include "sheet/DblClkPropPage.h"

#include "core/MenuText.h"
#include "platform/MenuEx.h"
#include "res/resource.h"

#include <vector>

CDblClkPropPage::CDblClkPropPage() : CSettingsPage(IDD_DBLCLK_PAGE)
{
}

BOOL CDblClkPropPage::OnInitDialog()
{
    CSettingsPage::OnInitDialog();
    m_commandList.AttachDlgItem(IDC_DBLCLK_COMMAND, m_hWnd);
    FillCommandList();
    m_commandList.SetFocus();
    return FALSE;  // the focus is set
}

void CDblClkPropPage::FillCommandList()
{
    m_commandList.ResetContent();
    orv::CMenuEx menu;
    if (!menu.LoadMenu(IDR_TIMER_MENU))
        return;
    const std::unique_ptr<orv::CMenuEx> popup = menu.GetSubMenuEx(0);
    if (!popup)
        return;
    const HMENU items = popup->GetSafeHmenu();

    int selection = 0;
    const int count = GetMenuItemCount(items);
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_TYPE | MIIM_ID;
        if (!GetMenuItemInfoA(items, static_cast<UINT>(position), TRUE, &info))
            continue;
        if (info.fType & (MFT_SEPARATOR | MFT_BITMAP))
            continue;
        std::string text;
        const int length = GetMenuStringA(items, static_cast<UINT>(position), nullptr, 0, MF_BYPOSITION);
        if (length > 0) {
            std::vector<char> buffer(2 * static_cast<size_t>(length) + 2, '\0');
            GetMenuStringA(items, static_cast<UINT>(position), buffer.data(),
                           static_cast<int>(buffer.size()), MF_BYPOSITION);
            text = buffer.data();
        }
        const int index = m_commandList.AddString(CleanMenuText(text));
        if (index < 0)
            continue;
        m_commandList.SetItemData(index, static_cast<LPARAM>(info.wID));
        if (static_cast<int32_t>(info.wID) == m_nCommand)
            selection = index;
    }
    // A command the menu does not have shows the first entry; the command itself stays.
    m_commandList.SetCurSel(selection);
}

bool CDblClkPropPage::OnCommand(WORD id, WORD code, HWND control)
{
    if (id == IDC_DBLCLK_COMMAND) {
        if (code == CBN_CLOSEUP)
            OnListClosed();
        return true;
    }
    return CSettingsPage::OnCommand(id, code, control);
}

void CDblClkPropPage::OnListClosed()
{
    const int index = m_commandList.GetCurSel();
    if (index < 0)
        return;
    const auto command = static_cast<int32_t>(m_commandList.GetItemData(index));
    if (command == m_nCommand)
        return;
    m_nCommand = command;
    MarkChanged(true);
}
