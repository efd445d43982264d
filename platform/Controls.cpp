// Control wrappers: the calls that need more than one message.
#include "platform/Controls.h"

#include <vector>

int CComboBox::AddString(const std::string& text) const
{
    return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

int CComboBox::SelectString(const std::string& prefix, int after) const
{
    return static_cast<int>(SendMessage(CB_SELECTSTRING, static_cast<WPARAM>(after),
                                        reinterpret_cast<LPARAM>(prefix.c_str())));
}

std::string CComboBox::GetLBText(int index) const
{
    const LRESULT length = SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length == CB_ERR)
        return {};
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

bool CSliderCtrl::OnMessageReflect(UINT msg, WPARAM wParam, LPARAM, LRESULT&)
{
    if ((msg == WM_HSCROLL || msg == WM_VSCROLL) && LOWORD(wParam) == TB_ENDTRACK)
        ::SendMessageA(GetParent(m_hWnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(m_hWnd), kEndTrack),
                       reinterpret_cast<LPARAM>(m_hWnd));
    // The scroll message itself goes on to the parent's own handling.
    return false;
}

bool CDateTimeCtrl::GetTime(SYSTEMTIME& time) const
{
    SYSTEMTIME read{};
    if (SendMessage(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&read)) != GDT_VALID)
        return false;
    time = read;
    return true;
}

bool CDateTimeCtrl::SetTime(const SYSTEMTIME& time) const
{
    return SendMessage(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time)) != 0;
}
