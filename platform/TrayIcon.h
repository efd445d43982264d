// One icon in the taskbar's notification area, remembering whether the shell accepted it.
#pragma once

#include <windows.h>
#include <shellapi.h>

namespace orv {

class CTrayIcon {
public:
    CTrayIcon();
    CTrayIcon(const CTrayIcon&) = delete;
    CTrayIcon& operator=(const CTrayIcon&) = delete;
    // Removes the icon. A derived class that replaces NotifyShell must call Remove itself.
    virtual ~CTrayIcon();

    void Init(HWND window, UINT iconId);
    // Removes a shown icon first, then adds; returns whether the shell took the new icon.
    // A null tip or a zero callback message leaves them out.
    bool Add(HICON icon, const char* tip, UINT callbackMessage);
    // Returns whether the icon is still shown.
    bool Remove();
    // Null clears the tooltip. False when not shown or refused.
    bool SetTip(const char* tip);

    bool IsShown() const { return m_bShown; }

    // The shell reads only the first form of the record: the fields up to a 64-character tip.
    static constexpr size_t kTipSize = 64;
    static constexpr DWORD kRecordSize = NOTIFYICONDATAA_V1_SIZE;

protected:
    virtual BOOL NotifyShell(DWORD message, NOTIFYICONDATAA* data);

private:
    void CopyTip(const char* tip);

    NOTIFYICONDATAA m_data;
    bool m_bShown = false;
};

}  // namespace orv
