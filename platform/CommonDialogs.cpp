// File and colour dialogs of comdlg32.
#include "platform/CommonDialogs.h"

#include "platform/LateDlls.h"
#include <vector>

CFileDialog::CFileDialog(bool open, std::string defaultExtension, std::string fileName, DWORD flags,
                         std::string filter, HWND owner)
    : m_open(open),
      m_defaultExtension(std::move(defaultExtension)),
      m_path(std::move(fileName)),
      m_flags(flags),
      m_filter(std::move(filter)),
      m_owner(owner)
{
}

INT_PTR CFileDialog::DoModal()
{
    // The system wants the filter's pairs separated by zero bytes, not "|".
    std::vector<char> filter(m_filter.begin(), m_filter.end());
    for (char& c : filter)
        if (c == '|')
            c = '\0';
    filter.push_back('\0');
    filter.push_back('\0');
    std::vector<char> file(32768, '\0');
    m_path.copy(file.data(), file.size() - 1);

    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = m_owner;
    dialog.lpstrFilter = filter.data();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = m_initialFolder.empty() ? nullptr : m_initialFolder.c_str();
    dialog.Flags = m_flags;
    dialog.lpstrDefExt = m_defaultExtension.empty() ? nullptr : m_defaultExtension.c_str();

    m_running = true;
    const BOOL chosen = m_open ? orv::late::GetOpenFileNameA(&dialog) : orv::late::GetSaveFileNameA(&dialog);
    m_running = false;
    m_error = chosen ? 0 : orv::late::CommDlgExtendedError();
    if (!chosen)
        return IDCANCEL;
    m_path = file.data();
    return IDOK;
}

CColorDialog::CColorDialog(COLORREF initial, DWORD flags, COLORREF* customColors, HWND owner)
    : m_color(initial), m_flags(flags), m_customColors(customColors), m_owner(owner)
{
}

UINT_PTR CALLBACK CColorDialog::Hook(HWND dialog, UINT msg, WPARAM, LPARAM lParam)
{
    // The hook only learns the dialog's window, so that it owns messages while it is open.
    if (msg == WM_INITDIALOG) {
        auto* self = reinterpret_cast<CColorDialog*>(reinterpret_cast<CHOOSECOLORA*>(lParam)->lCustData);
        self->m_hWnd = dialog;
    }
    return 0;
}

INT_PTR CColorDialog::DoModal()
{
    CHOOSECOLORA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = m_owner;
    dialog.rgbResult = m_color;
    dialog.lpCustColors = m_customColors;
    dialog.Flags = m_flags | CC_ENABLEHOOK;
    dialog.lCustData = reinterpret_cast<LPARAM>(this);
    dialog.lpfnHook = Hook;

    m_running = true;
    const BOOL chosen = orv::late::ChooseColorA(&dialog);
    m_running = false;
    m_hWnd = nullptr;
    if (!chosen)
        return IDCANCEL;
    m_color = dialog.rgbResult;
    return IDOK;
}
