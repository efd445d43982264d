// Saves cut off at every single change: the next load finds the old list or the new one, whole.
#include "core/SectionJournal.h"
#include "core/TerminList.h"
#include "settings/SchemaMap.h"

#include "MemoryProfile.h"
#include "TestHost.h"

#include "TerminTestSupport.h"

#include <gtest/gtest.h>

namespace {

// A list as the program holds it before saving: changed.
CTerminList ChangedListOf(const Texts& lines)
{
    CTerminList list = ListOf(lines);
    list.m_bModified = 1;
    return list;
}


Texts LoadedFrom(CMemoryProfile& profile)
{
    CTerminList list;
    EXPECT_TRUE(list.Load(profile, CPortableCoreHost()));
    return TextsOf(list);
}

const Texts kOld{"01.01.2030;0;0;A", "02.01.2030;0;0;B", "03.01.2030;1;1;C", "04.01.2030;0;2;D",
                 "05.01.2030;0;0;E"};
// Shorter, so that a half-written list cannot pass for either.
const Texts kNew{"01.01.2030;0;0;A", "03.01.2030;1;1;C neu", "06.01.2030;0;0;F"};

// A store holding the old list, saved and loaded as the program would.
CMemoryProfile StoreWithOldList()
{
    CMemoryProfile profile;
    CTerminList old = ChangedListOf(kOld);
    EXPECT_TRUE(old.Save(profile, CPortableCoreHost()));
    return profile;
}

// How many changes a whole save of the new list over the old one takes.
int ChangesOfOneSave()
{
    CMemoryProfile profile = StoreWithOldList();
    const int before = profile.writes;
    CTerminList list = ChangedListOf(kNew);
    EXPECT_TRUE(list.Save(profile, CPortableCoreHost()));
    return profile.writes - before;
}

}  // namespace

TEST(SectionJournal, SaveCutAfterEveryChangeLoadsTheOldOrTheNewListWhole)
{
    CTestHost host;
    const int changes = ChangesOfOneSave();
    ASSERT_GT(changes, 2 * static_cast<int>(kNew.size()));
    int oldSeen = 0, newSeen = 0;
    for (int cut = 0; cut <= changes; ++cut) {
        CMemoryProfile profile = StoreWithOldList();
        profile.writeLimit = profile.writes + cut;
        CTerminList list = ChangedListOf(kNew);
        EXPECT_EQ(list.Save(profile, host), cut == changes) << "cut after " << cut;
        profile.writeLimit = -1;

        const Texts loaded = LoadedFrom(profile);
        EXPECT_TRUE(loaded == kOld || loaded == kNew) << "cut after " << cut << ": "
                                                      << loaded.size() << " appointments";
        (loaded == kOld ? oldSeen : newSeen) += 1;
        // Whatever was repaired stays so, and no journal is left behind.
        EXPECT_EQ(LoadedFrom(profile), loaded) << "cut after " << cut;
        EXPECT_TRUE(profile.sections["Termine.Journal"].empty()) << "cut after " << cut;
        EXPECT_TRUE(profile.sections["Termine.Journal\\Complete"].empty()) << "cut after " << cut;
    }
    // Early cuts keep the old list, cuts after the journal was marked complete give the new one.
    EXPECT_GT(oldSeen, 0);
    EXPECT_GT(newSeen, 1);
}

TEST(SectionJournal, RepairCutOffAgainIsFinishedAtTheNextLoad)
{
    CTestHost host;
    const int changes = ChangesOfOneSave();
    for (int cut = 0; cut <= changes; ++cut) {
        for (int repairCut = 0; repairCut < 2 * static_cast<int>(kNew.size()) + 6; ++repairCut) {
            CMemoryProfile profile = StoreWithOldList();
            profile.writeLimit = profile.writes + cut;
            CTerminList list = ChangedListOf(kNew);
            list.Save(profile, host);
            profile.writeLimit = profile.writes + repairCut;
            CTerminList first;
            first.Load(profile, host);
            profile.writeLimit = -1;
            const Texts loaded = LoadedFrom(profile);
            EXPECT_TRUE(loaded == kOld || loaded == kNew)
                << "cut after " << cut << ", repair cut after " << repairCut;
        }
    }
}

TEST(SectionJournal, StoredLayoutIsUnchangedAndTheJournalGoes)
{
    CTestHost host;
    CMemoryProfile profile = StoreWithOldList();
    CTerminList list = ChangedListOf(kNew);
    ASSERT_TRUE(list.Save(profile, host));
    Texts names;
    for (const auto& [name, section] : profile.sections)
        names.push_back(name);
    EXPECT_EQ(names, Texts{"Termine"});
    Texts values;
    for (const auto& [name, value] : profile.sections["Termine"])
        values.push_back(name);
    EXPECT_EQ(values, (Texts{"t000", "t001", "t002"}));
    EXPECT_GE(profile.flushes, 4);  // journal, mark, section, journal gone
}

TEST(SectionJournal, IncompleteOrMiscountedJournalIsDroppedAndTheSectionKept)
{
    for (const int count : {-1, 1, 3}) {  // no mark, a count too low, too high
        CMemoryProfile profile = StoreWithOldList();
        profile.OpenSection("Termine.Journal");
        profile.WriteString("t000", "07.07.2030;0;0;halb");
        profile.WriteString("t001", "08.07.2030;0;0;halb");
        profile.CloseSection();
        if (count >= 0) {
            profile.OpenSection("Termine.Journal\\Complete");
            profile.WriteInt("Count", count);
            profile.CloseSection();
        }
        EXPECT_EQ(LoadedFrom(profile), kOld) << count;
        EXPECT_EQ(profile.sections.count("Termine.Journal"), 0u) << count;
        EXPECT_EQ(profile.sections.count("Termine.Journal\\Complete"), 0u) << count;
    }
}

TEST(SectionJournal, CompleteJournalReplacesAHalfWrittenSection)
{
    CMemoryProfile profile;
    profile.OpenSection("Termine");
    profile.WriteString("t000", "01.01.2030;0;0;A");  // the rewrite was cut after one value
    profile.CloseSection();
    profile.OpenSection("Termine.Journal");
    for (size_t i = 0; i < kOld.size(); ++i)
        profile.WriteString("t00" + std::to_string(i), kOld[i]);
    profile.CloseSection();
    profile.OpenSection("Termine.Journal\\Complete");
    profile.WriteInt("Count", static_cast<int32_t>(kOld.size()));
    profile.CloseSection();

    EXPECT_EQ(LoadedFrom(profile), kOld);
    EXPECT_EQ(profile.sections["Termine"].size(), kOld.size());
    EXPECT_EQ(profile.sections.count("Termine.Journal"), 0u);
}

TEST(SectionJournal, SchemesSaveCutAfterEveryChangeKeepsOldOrNewSchemes)
{
    auto withStep = [](int32_t step) {
        CDisplaySet set;
        set.m_nFadingStep = step;
        return set;
    };
    auto storeOld = [&](CMemoryProfile& profile) {
        CSchemaMap old(profile);
        old.Store("Wald", withStep(1));
        old.Store("Meer", withStep(2));
        old.Store("Glut", withStep(3));
        EXPECT_TRUE(old.SaveSchemes());
    };
    auto changed = [&](CSchemaMap& map) {
        map.Store("Wald", withStep(9));
        map.Remove("Meer");
        map.Store("Papier", withStep(5));
    };
    CMemoryProfile reference;
    storeOld(reference);
    CSchemaMap oldMap(reference);
    ASSERT_TRUE(oldMap.LoadSchemes());
    CSchemaMap newMap(reference);
    ASSERT_TRUE(newMap.LoadSchemes());
    changed(newMap);
    const int before = reference.writes;
    ASSERT_TRUE(newMap.SaveSchemes());
    const int changes = reference.writes - before;

    for (int cut = 0; cut <= changes; ++cut) {
        CMemoryProfile profile;
        storeOld(profile);
        CSchemaMap map(profile);
        ASSERT_TRUE(map.LoadSchemes());
        changed(map);
        profile.writeLimit = profile.writes + cut;
        map.SaveSchemes();
        profile.writeLimit = -1;
        CSchemaMap loaded(profile);
        ASSERT_TRUE(loaded.LoadSchemes());
        EXPECT_TRUE(loaded.Schemes() == oldMap.Schemes() || loaded.Schemes() == newMap.Schemes())
            << "cut after " << cut << ": " << loaded.Schemes().size() << " schemes";
    }
}
