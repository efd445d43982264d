// The live appointments below the timer window: loaded and saved (journalled) through the
// settings store, the due handling, and the settings sheet's edits taken back.
#pragma once

#include "core/TerminList.h"

#include <cstdint>
#include <string>
#include <vector>

class CCoreHost;
namespace orv {
class CProfile;
}

class CTerminModel {
public:
    // `host` gives the texts and reads and writes the stored dates; the clock is the caller's.
    // Both outlive the model.
    CTerminModel(orv::CProfile& profile, const CCoreHost& host);

    // Replaces the list with the stored one, sorted ascending; false when the section cannot
    // be opened (the list stays).
    bool Load();
    // Writes the list when it changed since it was loaded or last saved; true on success.
    bool Save();

    const CTerminList& GetTermine() const { return m_termine; }
    // Whole days left to the first appointment as last composed; -1 when nothing is shown.
    int32_t GetDayCount() const { return m_dayCount; }

    // The first appointment, when it is due at `now`, rolled over (yearly) or removed; `due`
    // tells which one and what to announce. One appointment per call, made when its
    // announcement is about to be shown: until then the list, and whatever a save writes,
    // still holds it. False when nothing is due.
    bool HandleDue(const CDateTime& now, CDueTermin& due);
    // Puts back what HandleDue handed out when its announcement could not be shown, so that a
    // later call hands it out again.
    void RestoreDue(const CDueTermin& due);
    // The remaining-time text at `now` in `displayType`, or the no-appointment text. Valid until
    // the next call. A tick passes both the same moment, so its text and due handling agree.
    const std::string& ComposeText(const CDateTime& now, int displayType);

    // While the sheet edits a copy of the list, the due handling goes on with the live list; it
    // records what it handled, so that the copy taken back brings no handled appointment back.
    void StartRecordingHandled();
    void StopRecordingHandled();
    // Records while it lives: for as long as one sheet runs.
    class CRecordingHandled {
    public:
        explicit CRecordingHandled(CTerminModel& model) : m_model(model)
        {
            m_model.StartRecordingHandled();
        }
        ~CRecordingHandled() { m_model.StopRecordingHandled(); }
        CRecordingHandled(const CRecordingHandled&) = delete;
        CRecordingHandled& operator=(const CRecordingHandled&) = delete;

    private:
        CTerminModel& m_model;
    };
    // The edited copy replaces the live list, each appointment handled meanwhile that it still
    // holds unchanged removed or moved on; the list is then modified and sorted ascending.
    void TakeEdited(const CTerminList& edited);

private:
    orv::CProfile& m_profile;
    const CCoreHost& m_host;
    const std::string m_emptyText;  // read once: the paint asks on every tick
    CTerminList m_termine;
    int32_t m_dayCount = -1;
    // The last composed text and what it was composed for: the timer asks several times a
    // second, the text changes once a second.
    std::string m_composed;
    CDateTime m_composedAt;
    int m_composedType = -1;
    bool m_composedValid = false;
    bool m_recordingHandled = false;
    std::vector<CTermin> m_handledWhileEditing;
};
