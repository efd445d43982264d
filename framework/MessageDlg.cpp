// Message dialog: icon and beep by kind, "&Schließen" and, with a help callback, "&Hilfe";
// F1 asks for help, the platform's own WM_HELP handling never runs.
#include "framework/MessageDlg.h"

#include "platform/ResourceText.h"
#include "res/resource.h"

#include <new>

namespace orv::Windows {

namespace {

constexpr WORD kStaticId = 0xFFFF;

}  // namespace

CMessageDlg::CMessageDlg(HWND owner, const std::string& text, const char* caption, int kind)
    : m_text(text), m_caption(caption ? caption : "")
{
    switch (kind) {
    case kMessageError:
        m_icon = LoadIcon(nullptr, IDI_HAND);
        m_beepType = MB_ICONHAND;
        m_beep = true;
        break;
    case kMessageWarning:
        m_icon = LoadIcon(nullptr, IDI_EXCLAMATION);
        m_beepType = MB_ICONEXCLAMATION;
        m_beep = true;
        break;
    case kMessageInformation:
        m_icon = LoadIcon(nullptr, IDI_ASTERISK);
        m_beepType = MB_ICONASTERISK;
        m_beep = true;
        break;
    }

    m_template = AllocDialogTemplate(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
                                     260, 70);
    if (!m_template)
        throw std::bad_alloc();
    InitModalIndirect(m_template, owner);
}

CMessageDlg::~CMessageDlg()
{
    if (m_template)
        GlobalFree(m_template);
}

void CMessageDlg::SetHelp(MessageHelpCallback callback, int32_t messageId, void* userData)
{
    m_helpCallback = callback;
    m_messageId = messageId;
    m_userData = userData;
}

HWND CMessageDlg::CreateControl(const char* className, const std::string& text, DWORD style, int id,
                                int x, int y, int width, int height)
{
    RECT rect{x, y, x + width, y + height};
    MapDialogRect(m_hWnd, &rect);
    HWND control = CreateWindowExA(0, className, text.c_str(), style, rect.left, rect.top,
                                   rect.right - rect.left, rect.bottom - rect.top, m_hWnd,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleA(nullptr), nullptr);
    if (control)
        ::SendMessageA(control, WM_SETFONT, ::SendMessageA(m_hWnd, WM_GETFONT, 0, 0), FALSE);
    return control;
}

BOOL CMessageDlg::OnInitDialog()
{
    SetWindowText(m_caption);
    CenterWindow();

    HWND text = nullptr;
    if (m_icon) {
        HWND icon = CreateControl("STATIC", "", WS_CHILD | WS_VISIBLE | SS_ICON, kStaticId, 7, 7, 0, 0);
        text = CreateControl("STATIC", "", WS_CHILD | WS_VISIBLE, kStaticId, 35, 7, 218, 42);
        ::SendMessageA(icon, STM_SETICON, reinterpret_cast<WPARAM>(m_icon), 0);
    } else {
        text = CreateControl("STATIC", "", WS_CHILD | WS_VISIBLE, kStaticId, 7, 7, 246, 42);
    }
    ::SetWindowTextA(text, m_text.c_str());

    HWND close = CreateControl("BUTTON", LoadResourceText(IDS_MESSAGE_CLOSE),
                               WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, IDOK, 7, 49, 50, 14);
    if (m_helpCallback)
        CreateControl("BUTTON", LoadResourceText(IDS_MESSAGE_HELP),
                      WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, IDHELP, 203, 49, 50, 14);
    if (m_beep)
        MessageBeep(m_beepType);
    ::SetFocus(close);
    return FALSE;
}

void CMessageDlg::OnHelp()
{
    if (m_helpCallback)
        m_helpCallback(kHelpWanted, m_messageId, m_userData, this);
}

bool CMessageDlg::OnCommand(WORD id, WORD code, HWND control)
{
    if (id == IDHELP) {
        OnHelp();
        return true;
    }
    return CDialog::OnCommand(id, code, control);
}

bool CMessageDlg::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_HELP)
        return true;
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_F1) {
        OnHelp();
        return true;
    }
    return CDialog::PreTranslateMessage(msg);
}

LRESULT CMessageDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_HELP:
        return TRUE;  // help comes from F1 and the button only
    case WM_DESTROY:
        if (m_helpCallback)
            m_helpCallback(kDestroyed, m_messageId, m_userData, this);
        break;
    }
    return CDialog::WindowProc(msg, wParam, lParam);
}

}  // namespace orv::Windows
