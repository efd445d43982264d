// The display model: the live appointments and display settings, and the off-screen surface
// that each paint renders the remaining-time text into.
#pragma once

#include "core/TerminList.h"
#include "platform/Gdi.h"
#include "settings/CustomColors.h"
#include "settings/DisplaySet.h"
#include "settings/ColorFader.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace orv {
class CProfile;
}

class CTimerDisplay {
public:
    static constexpr int kMargin = 5;  // around the text, at 96 dots per inch
    static constexpr int32_t kFadeRangeEnd = 300;

    // The surface is made compatible with the window's device context.
    CTimerDisplay(HDC windowDC, orv::CProfile& profile);
    CTimerDisplay(const CTimerDisplay&) = delete;
    CTimerDisplay& operator=(const CTimerDisplay&) = delete;
    virtual ~CTimerDisplay();

    void Load();
    void Save();

    // Runs the due handling for the first appointments (roll-over or removal with their
    // messages); returns how many were handled. Called on the tick, never while painting.
    // `mayGoOn` is asked after every message whether the next one may follow.
    int HandleDue(const std::function<bool()>& mayGoOn = {});
    // While the settings sheet edits a copy of the list, the due handling goes on with the
    // live list; it records what it handled so that the copy handed back can be brought up
    // to date (Reconciled) instead of bringing handled appointments back.
    void StartRecordingHandled();
    void StopRecordingHandled();
    // `edited` with every recorded appointment it still holds unchanged removed or moved on.
    CTerminList Reconciled(const CTerminList& edited) const;
    // Composes the text for the first appointment and renders it; changes no data.
    void Update();
    void RenderText(const std::string& text);
    SIZE GetSurfaceSize() const;
    void Blit(HDC target) const;

    void SetTermine(const CTerminList& termine);
    void SetDisplaySet(const CDisplaySet& displaySet);
    void SetSchemaName(const std::string& name) { m_schemaName = name; }
    void SetCustomColors(const CCustomColors& colors) { m_customColors = colors; }

    std::string GetSchemaName() const { return m_schemaName; }
    CCustomColors GetCustomColors() const { return m_customColors; }
    const CTerminList& GetTermine() const { return m_termine; }
    CTerminList& Termine() { return m_termine; }
    const CDisplaySet& GetDisplaySet() const { return m_displaySet; }
    int32_t GetDayCount() const { return m_dayCount; }
    const std::string& GetLastText() const { return m_lastText; }
    HDC SurfaceDC() const { return m_surface.Get(); }
    // kMargin in the screen's density.
    int Margin() const { return m_margin; }

private:
    void EnsureSurface(int width, int height);
    void PaintBackground();

    orv::CProfile& m_profile;
    CMemoryDC m_surface;
    CBitmap m_bitmap;
    HGDIOBJ m_originalBitmap = nullptr;
    CColorFader m_fader;
    CTerminList m_termine;
    CDisplaySet m_displaySet;
    std::string m_schemaName;
    CCustomColors m_customColors;
    std::string m_emptyText;
    std::string m_lastText;
    bool m_recordingHandled = false;
    std::vector<CTermin> m_handledWhileEditing;
    int32_t m_dayCount = -1;
    int m_margin = kMargin;
};
