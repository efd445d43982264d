// Window objects: the C++ object travels with its HWND and answers messages in WindowProc.
#pragma once

#include <windows.h>

#include <string>

class CWnd {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();

    HWND GetSafeHwnd() const { return m_hWnd; }
    HWND Handle() const { return m_hWnd; }

    // The object bound to a window of ours, or null for foreign windows.
    static CWnd* FromHandle(HWND window);

    struct WindowClass {
        const char* name;
        UINT style = CS_DBLCLKS;
        HICON icon = nullptr;
        HCURSOR cursor = nullptr;  // null: the standard arrow
        HBRUSH background = nullptr;
    };
    // Registers the class once (with the shared window procedure) and creates the window.
    bool CreateEx(const WindowClass& windowClass, DWORD exStyle, const std::string& title,
                  DWORD style, int x, int y, int width, int height, HWND parent, HMENU menu);
    bool DestroyWindow();

    // Gives a message a chance before it is translated and dispatched; true consumes it.
    virtual bool PreTranslateMessage(MSG* msg);

    std::string GetWindowText() const;
    void SetWindowText(const std::string& text);
    CWnd* GetParentOwner() const;

protected:
    virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // A window that owns itself deletes itself here.
    virtual void PostNcDestroy() {}
    LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam);

    // Binds an existing window (a dialog during WM_INITDIALOG) to this object.
    void Bind(HWND window);
    void Unbind();

    HWND m_hWnd = nullptr;

private:
    static LRESULT CALLBACK StaticProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    friend class CDialog;
    bool m_isDialog = false;
    bool m_creating = false;
};
