// The small modal dialog that shows a numbered error or warning, built from an in-memory template.
#pragma once

#include "platform/Dialog.h"

#include <cstdint>
#include <string>

namespace orv::Windows {

class CMessageDlg;

// Called with event 5 when help is wanted and event 0 when the dialog is destroyed.
using MessageHelpCallback = void (*)(int event, int32_t messageId, void* userData, CMessageDlg* dialog);

enum MessageKind { kMessageError = 1, kMessageWarning = 2, kMessageInformation = 3 };

class CMessageDlg : public CDialog {
public:
    static constexpr int kHelpWanted = 5;
    static constexpr int kDestroyed = 0;

    // Throws std::bad_alloc when the template memory cannot be had.
    CMessageDlg(HWND owner, const std::string& text, const char* caption, int kind);
    ~CMessageDlg() override;

    void SetHelp(MessageHelpCallback callback, int32_t messageId, void* userData);

    bool PreTranslateMessage(MSG* msg) override;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    HWND CreateControl(const char* className, const std::string& text, DWORD style, int id,
                       int x, int y, int width, int height);
    void OnHelp();

    HGLOBAL m_template = nullptr;
    std::string m_text;
    std::string m_caption;
    HICON m_icon = nullptr;
    bool m_beep = false;
    UINT m_beepType = 0;
    MessageHelpCallback m_helpCallback = nullptr;
    int32_t m_messageId = 0;
    void* m_userData = nullptr;
};

}  // namespace orv::Windows
