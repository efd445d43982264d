// Explicit data exchange between dialog controls and members, in either direction.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

class CDataExchange {
public:
    // `save` true: controls to members; false: members to controls.
    CDataExchange(HWND dialog, bool save) : m_dialog(dialog), m_save(save) {}

    // The first control whose value could not be taken, 0 while all went well.
    int FailedControl() const { return m_failedControl; }

    bool Text(int controlId, std::string& value);
    // Saving fails for text that is not a whole number in range.
    bool Int(int controlId, int32_t& value);
    bool Check(int controlId, int32_t& value);
    // The selected entry of a combo box; -1 for none.
    bool ComboIndex(int controlId, int32_t& index);
    // A date-time picker; loading fails when the picker does not show the value (outside its
    // range), saving while it shows no date.
    bool DateTime(int controlId, SYSTEMTIME& value);

private:
    HWND Control(int controlId);
    bool Fail(int controlId);

    HWND m_dialog;
    bool m_save;
    int m_failedControl = 0;
};
