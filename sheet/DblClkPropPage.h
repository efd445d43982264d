// The page "Doppel-Klick" of the settings sheet: which command of the timer window's menu a
// double-click runs. The choices are read from the menu resource itself.
#pragma once

#include "platform/Controls.h"
#include "sheet/SettingsPage.h"

#include <cstdint>

// Each entry carries its command as item data, which data exchange does not reach; the command
// is taken when the list closes.
class CDblClkPropPage : public CSettingsPage {
public:
    // The settings command, as when no double-click command was ever stored.
    static constexpr int32_t kDefaultCommand = 40005;

    CDblClkPropPage();

    // The sheet sets the command before the page window exists and reads it back on apply.
    int32_t GetCommand() const { return m_nCommand; }
    void SetCommand(int32_t command) { m_nCommand = command; }
    void TakeIn(const CSettingsData& settings) override { m_nCommand = settings.m_options.m_nDblClkCmd; }
    void GiveBack(CSettingsData& settings) const override { settings.m_options.m_nDblClkCmd = m_nCommand; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;

private:
    void FillCommandList();
    // Taken when the list closes, so that scrolling through the closed list changes nothing.
    void OnListClosed();

    int32_t m_nCommand = kDefaultCommand;
    CComboBox m_commandList;
};
