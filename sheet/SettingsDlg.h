// The settings sheet "Einstellungen": appointments, display and double-click pages over copies
// of the live data, handed back on OK and Apply.
#pragma once

#include "framework/AppServices.h"
#include "platform/Accelerators.h"
#include "platform/PropertySheet.h"
#include "settings/ImageSettings.h"
#include "settings/TimerOptions.h"

#include <functional>
#include <memory>
#include <string>

namespace orv {
class CProfile;
}
class CTerminList;
class CTerminePropPage;
class CDisplayPropPage;
class CDblClkPropPage;

// What the sheet edits: the appointments, the look of the display and the window's options,
// each taken back through one call.
class CSettingsTarget {
public:
    virtual ~CSettingsTarget() = default;
    virtual const CTerminList& GetTermine() const = 0;
    // Takes the edited copy back in place of the live list.
    virtual void SetTermine(const CTerminList& edited) = 0;
    virtual CImageSettings GetImage() const = 0;
    virtual void SetImage(const CImageSettings& image) = 0;
    // The store the pages keep their own settings in (folders, schemes).
    virtual orv::CProfile& Profile() = 0;
    virtual CTimerOptions GetOptions() const = 0;
    virtual void SetOptions(const CTimerOptions& options) = 0;
};

class CSettingsDlg : public CPropertySheet {
public:
    static constexpr int kPageTermine = 0;
    static constexpr int kPageDisplay = 1;
    static constexpr int kPageDblClk = 2;

    // The caption from the string table; the sheet always opens on `firstPage`. `services`
    // run its dialogs, show its messages and help, and outlive the sheet.
    CSettingsDlg(orv::Windows::CAppServices& services, UINT captionId, HWND parent,
                 int firstPage = kPageTermine);

    // Creates the pages, copies the live data in, runs the sheet modally (through `runModal`,
    // or the services' RunModal) and hands the edits back on OK. Returns the result.
    INT_PTR Run(CSettingsTarget& target, const std::function<INT_PTR(CModalWnd&)>& runModal = {});

    bool PreTranslateMessage(MSG* msg) override;

protected:
    // The pages, made when the sheet runs.
    virtual std::unique_ptr<CTerminePropPage> MakeTerminePage(orv::CProfile& profile);
    virtual std::unique_ptr<CDisplayPropPage> MakeDisplayPage(orv::CProfile& profile);
    virtual std::unique_ptr<CDblClkPropPage> MakeDblClkPage();

    void OnInitSheet() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;

private:
    void CopyIn();
    void CopyOut();
    // Takes every existing page's controls, hands everything back and clears the pages'
    // modified state; nothing is handed back when a page refuses its values.
    void Apply();
    void ShowHelp() const;

    orv::Windows::CAppServices& m_services;
    CAccelerators m_accelerators;
    CTerminePropPage* m_pTerminePage = nullptr;
    CDisplayPropPage* m_pDisplayPage = nullptr;
    CDblClkPropPage* m_pDblClkPage = nullptr;
    CSettingsTarget* m_pTarget = nullptr;
};
