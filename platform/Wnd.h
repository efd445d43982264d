// Window objects: the C++ object travels with its HWND and answers messages in WindowProc.
// A window is bound in one of three ways: created by the object (CreateEx), a dialog bound
// while it initialises, or an existing control attached by subclassing. Messages about a child
// control (WM_COMMAND, WM_NOTIFY, WM_HSCROLL, WM_VSCROLL, WM_CTLCOLOR*, the owner-draw and list
// box item messages) are offered to the control's own object first.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// The text of any window; empty for a null one.
std::string WindowTextOf(HWND window);

class CWnd {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    // Destroys only a window the object created itself; an attached one is detached.
    virtual ~CWnd();

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

    // Binds an existing window (typically a control of a dialog) by subclassing it. Fails for
    // a null handle, while this object is bound, or when the window has an object already.
    bool Attach(HWND window);
    bool AttachDlgItem(int id, HWND dialog);
    // Releases an attached window, which lives on; returns it.
    HWND Detach();
    bool IsAttached() const { return m_binding == Binding::Attached; }

    // Runs once the window has had its last message, before PostNcDestroy; how the one who
    // needs to know (the application, of its main window) learns that the window is gone.
    // An empty function removes it.
    void SetAfterLastMessage(std::function<void()> handler) { m_afterLastMessage = std::move(handler); }

    // Gives a message a chance before it is translated and dispatched; true consumes it.
    virtual bool PreTranslateMessage(MSG* msg);
    // The message loop asks the top-level window a message is for whether it is a dialog
    // message of its (Tab, Enter, mnemonics); true consumes it.
    virtual bool IsDialogMessageOf(MSG* msg);

    std::string GetWindowText() const;
    void SetWindowText(const std::string& text);
    LRESULT SendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void EnableWindow(bool enable) const;
    bool IsWindowEnabled() const;
    void Invalidate(bool erase = true) const;
    void SetFocus() const;

protected:
    virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // A window that owns itself deletes itself here.
    virtual void PostNcDestroy() {}
    // The handling the window would get without this object: DefWindowProc for a created
    // window, the original procedure for an attached one, the dialog manager for a dialog.
    virtual LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam);

    // A message about this control, received by its parent; true when answered in `result`.
    // WM_NOTIFY goes to OnNotifyReflect, the others to OnMessageReflect.
    virtual bool OnMessageReflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    virtual bool OnNotifyReflect(NMHDR* header, LRESULT& result);

    // Binds an existing window (a dialog during WM_INITDIALOG) to this object.
    void Bind(HWND window);
    // A dialog keeps its object in DWLP_USER as well, where its own dialog procedure finds it.
    void BindDialog(HWND window);
    // The object of a dialog of ours, for that dialog's own procedure; null before it is bound.
    static CWnd* FromOwnDialog(HWND window);
    void Unbind();
    // Reflection first, then WindowProc; what every window procedure of ours runs.
    LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd = nullptr;

private:
    enum class Binding { None, Created, Dialog, Attached };

    static LRESULT CALLBACK StaticProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    // The procedures of attached windows: the object in the user data, or in the property
    // when the window uses its user data itself.
    static LRESULT CALLBACK AttachedProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK AttachedPropProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT AttachedDispatch(CWnd* self, HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    // Restores the attached window's own procedure where ours is still the outermost.
    void Unsubclass();
    // Offers a message about a child control to that control's object.
    static bool ReflectToChild(HWND parent, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void AfterLastMessage();

    friend class CDialog;
    Binding m_binding = Binding::None;
    bool m_creating = false;
    bool m_objectInUserData = false;
    // An attached window's procedure: to call (Unicode form), and as it was set (its own form).
    WNDPROC m_originalProc = nullptr;
    LONG_PTR m_ownProc = 0;
    bool m_originalUnicode = true;
    std::function<void()> m_afterLastMessage;
};
