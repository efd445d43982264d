// A message-only window owned by the test thread, destroyed with the object unless gone before.
#pragma once

#include <windows.h>

class CTestWindow {
public:
    CTestWindow()
        : m_hWnd(CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 GetModuleHandleA(nullptr), nullptr))
    {
    }
    CTestWindow(const CTestWindow&) = delete;
    CTestWindow& operator=(const CTestWindow&) = delete;
    ~CTestWindow() { Destroy(); }

    HWND Handle() const { return m_hWnd; }
    void Destroy()
    {
        if (m_hWnd && IsWindow(m_hWnd))
            DestroyWindow(m_hWnd);
        m_hWnd = nullptr;
    }

private:
    HWND m_hWnd;
};
