// Whole-section rewrites that survive being cut off at any point: the new content is written to
// a sibling journal key first and marked complete, then the section is rewritten from it.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace orv {

class CProfile;

// The text values of a section: name and text.
using SectionValues = std::vector<std::pair<std::string, std::string>>;

// Layout beside the section "<S>": the key "<S>.Journal" holds the new values under their own
// names; its subkey "Complete" with the value "Count" (the number of values) is written last
// and marks the journal as whole. A journal without that mark is never read.
class CSectionJournal {
public:
    CSectionJournal(CProfile& profile, std::string section);

    std::string JournalSection() const { return m_section + ".Journal"; }
    std::string MarkSection() const { return JournalSection() + "\\Complete"; }

    // Replaces the section's content by `values`. Wherever this is cut off, the section or a
    // complete journal holds either the old content or the new one, whole; Recover then
    // finishes the job. True when everything was written and the journal is gone again.
    bool Save(const SectionValues& values);
    // Run before the section is read: a complete journal (a save cut off after it was written)
    // is copied into the section; an incomplete one is dropped, the section being untouched.
    // True when nothing had to be done or the repair succeeded.
    bool Recover();

private:
    // Opens, writes every value, flushes and closes `section`; stops at the first failure.
    bool WriteValues(const std::string& section, const SectionValues& values);
    // Deletes the section and writes `values` into it anew.
    bool ReplaceSection(const SectionValues& values);
    bool ReadCompleteJournal(SectionValues& values);
    bool DropJournal();
    bool JournalIsGone();

    CProfile& m_profile;
    std::string m_section;
};

}  // namespace orv
