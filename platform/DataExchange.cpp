// Data exchange helpers: each returns false (and remembers the control) instead of throwing.
#include "platform/DataExchange.h"

#include "platform/Wnd.h"

#include <commctrl.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

HWND CDataExchange::Control(int controlId)
{
    return GetDlgItem(m_dialog, controlId);
}

bool CDataExchange::Fail(int controlId)
{
    if (m_failedControl == 0)
        m_failedControl = controlId;
    return false;
}

bool CDataExchange::Text(int controlId, std::string& value)
{
    HWND control = Control(controlId);
    if (!control)
        return Fail(controlId);
    if (!m_save)
        return SetWindowTextA(control, value.c_str()) != FALSE;
    value = WindowTextOf(control);
    return true;
}

bool CDataExchange::Int(int controlId, int32_t& value)
{
    std::string text;
    if (!m_save) {
        text = std::to_string(value);
        return Text(controlId, text);
    }
    if (!Text(controlId, text))
        return false;
    const char* begin = text.c_str();
    while (*begin == ' ')
        ++begin;
    char* end = nullptr;
    errno = 0;
    const long number = std::strtol(begin, &end, 10);
    while (end && *end == ' ')
        ++end;
    if (end == begin || *end != '\0' || errno == ERANGE || number < INT32_MIN || number > INT32_MAX)
        return Fail(controlId);
    value = static_cast<int32_t>(number);
    return true;
}

bool CDataExchange::Check(int controlId, int32_t& value)
{
    if (!Control(controlId))
        return Fail(controlId);
    if (m_save)
        value = IsDlgButtonChecked(m_dialog, controlId) == BST_CHECKED ? 1 : 0;
    else
        CheckDlgButton(m_dialog, controlId, value ? BST_CHECKED : BST_UNCHECKED);
    return true;
}

bool CDataExchange::ComboIndex(int controlId, int32_t& index)
{
    HWND control = Control(controlId);
    if (!control)
        return Fail(controlId);
    if (m_save)
        index = static_cast<int32_t>(SendMessageA(control, CB_GETCURSEL, 0, 0));
    else
        SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    return true;
}

bool CDataExchange::DateTime(int controlId, SYSTEMTIME& value)
{
    HWND control = Control(controlId);
    if (!control)
        return Fail(controlId);
    SYSTEMTIME read{};
    if (!m_save) {
        // A picker may answer success for a date outside its range and keep showing another.
        const bool shown =
            SendMessageA(control, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value)) != 0 &&
            SendMessageA(control, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&read)) == GDT_VALID &&
            read.wYear == value.wYear && read.wMonth == value.wMonth && read.wDay == value.wDay &&
            read.wHour == value.wHour && read.wMinute == value.wMinute && read.wSecond == value.wSecond;
        return shown || Fail(controlId);
    }
    if (SendMessageA(control, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&read)) != GDT_VALID)
        return Fail(controlId);
    value = read;
    return true;
}
