// An accelerator table of the program's resources and the translation of keys into commands.
#pragma once

#include <windows.h>

class CAccelerators {
public:
    // A table id of 0 loads nothing. The table belongs to the resources: nothing is destroyed.
    explicit CAccelerators(UINT tableId)
        : m_hTable(tableId ? LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(tableId)) : nullptr)
    {
    }

    // True when `msg` was a key of the table and went to `window` as its command.
    bool Translate(HWND window, MSG* msg) const
    {
        return m_hTable && window && TranslateAcceleratorA(window, m_hTable, msg);
    }

private:
    HACCEL m_hTable;
};
