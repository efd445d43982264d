// The sortable list of appointments with its registry form and the due handling.
#pragma once

#include "core/IndexArray.h"
#include "core/Sortable.h"
#include "core/Termin.h"

#include <string>
#include <vector>

class CCoreHost;
namespace orv {
class CProfile;
}

// A due appointment as the due handling found it, and as it is announced: a yearly one with
// its next moment, a removed one with its own.
struct CDueTermin {
    CTermin found;
    CTermin announced;
    bool removed = false;
};

class CTerminList : public CSortable {
public:
    static constexpr const char* kSection = "Termine";

    size_t GetSize() const { return m_items.size(); }
    bool IsEmpty() const { return m_items.empty(); }
    // New elements are default appointments; count 0 releases the storage.
    void SetSize(size_t count);
    CTermin GetAt(size_t index) const { return m_items.at(index); }
    CTermin& operator[](size_t index) { return m_items.at(index); }
    const CTermin& operator[](size_t index) const { return m_items.at(index); }
    void Add(const CTermin& termin) { m_items.push_back(termin); }
    void Add(CTermin&& termin) { m_items.push_back(std::move(termin)); }
    // Copies of every record of `other` after the last one, in their order.
    void AddAll(const CTerminList& other);
    // Room for `count` records in all, so that adding many does not move them again and again.
    void Reserve(size_t count) { m_items.reserve(count); }

    // Removes the records at the given positions; returns 1 when there was at least one.
    int RemoveIndices(CIndexArray& indices);
    void Sort() override;

    // Replaces the content with the section "Termine": every value named "t" and digits, in
    // number order, their dates as `host` reads them; gaps and unreadable values are skipped. A
    // save that was cut off is finished first. False when the section cannot be opened.
    bool Load(orv::CProfile& profile, const CCoreHost& host);
    // Rewrites the section when modified (or forced), the dates as `host` writes them,
    // journalled so that a cut leaves the old or the new list; true on success.
    bool Save(orv::CProfile& profile, const CCoreHost& host, bool force = false);

    // Treats the entries equal to `handled` (in that order) as the due handling treated those:
    // a yearly one moves on by a year, a one-time one goes.
    void ApplyHandled(const std::vector<CTermin>& handled);
    // The remaining-time text of the first appointment at `now` in the display type, from the
    // texts of `host`, or `emptyText`. `dayCount` receives the whole days left, -1 when nothing
    // is shown.
    std::string ComposeText(const CDateTime& now, int displayType, int32_t& dayCount,
                            const std::string& emptyText, const CCoreHost& host) const;
    // The first appointment's moment is reached: a yearly one moves on by a year, a one-time one
    // (or a yearly one past the last valid year) goes; the whole-day count becomes -1. `due`
    // receives what was found and what is to be announced. False when the list is empty.
    bool HandleDue(int32_t& dayCount, CDueTermin& due);
    // Undoes a HandleDue whose announcement could not be shown: a removed appointment comes
    // back in its place, a rolled-over one gets its moment back. The list stays modified.
    void RestoreDue(const CDueTermin& due);

    bool m_bModified = false;

private:
    std::vector<CTermin> m_items;
};
