// The system's file and colour dialogs, run like our own modal dialogs (through RunModal), so
// that their owner and the owner of messages meanwhile are right.
#pragma once

#include "platform/ModalLoop.h"

#include <windows.h>
#include <commdlg.h>

#include <string>

class CFileDialog : public CModalWnd {
public:
    // `filter` in the "Text|*.txt|Alle|*.*||" form; `defaultExtension` without the dot.
    CFileDialog(bool open, std::string defaultExtension, std::string fileName, DWORD flags,
                std::string filter, HWND owner);

    void SetInitialFolder(std::string folder) { m_initialFolder = std::move(folder); }
    // IDOK when a file was chosen, IDCANCEL otherwise.
    INT_PTR DoModal() override;
    bool HasEnded() const override { return !m_running; }
    // The system dialog's window is not ours: messages meanwhile belong to its owner.
    CWnd* MessageOwner() override { return FromHandle(m_owner); }

    std::string GetPathName() const { return m_path; }
    DWORD GetError() const { return m_error; }

private:
    bool m_open;
    std::string m_defaultExtension;
    std::string m_path;
    DWORD m_flags;
    std::string m_filter;
    std::string m_initialFolder;
    HWND m_owner;
    bool m_running = false;
    DWORD m_error = 0;
};

class CColorDialog : public CModalWnd {
public:
    // `customColors` is the array of 16 colours that the dialog shows and changes in place.
    CColorDialog(COLORREF initial, DWORD flags, COLORREF* customColors, HWND owner);

    INT_PTR DoModal() override;
    bool HasEnded() const override { return !m_running; }
    COLORREF GetColor() const { return m_color; }

private:
    static UINT_PTR CALLBACK Hook(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

    COLORREF m_color;
    DWORD m_flags;
    COLORREF* m_customColors;
    HWND m_owner;
    bool m_running = false;
};
