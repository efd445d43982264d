// The appointment model: due handling that hands out one appointment per call and takes back a
// refused one, the text of each paint, saving only when changed, and the sheet's copy taken back.
#include "core/TerminModel.h"

#include "core/RemainingText.h"
#include "core/StringUtil.h"

#include "MemoryProfile.h"
#include "TerminTestSupport.h"
#include "TestHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

constexpr char kNoAppointment[] = ">> Es ist kein Termin hinterlegt. <<";

// Hands out every appointment due at `now`, one call each as the announcer does, and returns
// them as announced. Each call changes the list by that one appointment alone.
Texts HandleAllDue(CTerminModel& model, const CDateTime& now)
{
    Texts announced;
    CDueTermin due;
    while (model.HandleDue(now, due)) {
        announced.push_back(TextOf(due.announced));
        if (announced.size() > 10000)
            break;  // a yearly one that stays due
    }
    return announced;
}

// A model over a store of its own, holding `lines` as the live list.
struct ModelOf {
    ModelOf(CTestHost& host, const Texts& lines) : model(profile, host)
    {
        model.TakeEdited(ListOf(lines));
    }
    CMemoryProfile profile;
    CTerminModel model;
};

}  // namespace

TEST(TerminModelDue, HandsOutOneDueAppointmentPerCallInListOrder)
{
    struct Case {
        const char* now;
        Texts stored;
        Texts announced;  // each with the moment it is announced with
        Texts after;
        int displayType;
        std::string text;  // composed after the due handling
        int32_t days;
    };
    const Case cases[] = {
        // A one-time appointment goes and is announced with its own moment.
        {"24.12.2021 18:00:00", {"24.12.2021 18:00:00;0;1;Bescherung", "31.12.2021;0;0;Silvester"},
         {"24.12.2021 18:00:00;0;1;Bescherung"}, {"31.12.2021;0;0;Silvester"}, kDisplayStandard,
         "6T 06:00:00 bis Silvester", 6},
        // A yearly one stays a year later and is announced with the new moment.
        {"24.12.2021 18:00:01", {"24.12.2021 18:00:00;1;1;Weihnachten", "01.06.2022;0;0;Sommer"},
         {"24.12.2022 18:00:00;1;1;Weihnachten"},
         {"01.06.2022;0;0;Sommer", "24.12.2022 18:00:00;1;1;Weihnachten"}, kDisplayCompact, "", 158},
        // Met years late: one per year until it lies ahead.
        {"01.06.2022 00:00:00", {"01.05.2019;1;0;Mai"},
         {"01.05.2020;1;0;Mai", "01.05.2021;1;0;Mai", "01.05.2022;1;0;Mai", "01.05.2023;1;0;Mai"},
         {"01.05.2023;1;0;Mai"}, kDisplayCompact, "", 334},
        // Several due together: each on its own, in order; nothing left to show.
        {"02.01.2022 00:00:00", {"01.01.2022 01:00:00;0;0;Zwei", "01.01.2022;0;0;Eins"},
         {"01.01.2022;0;0;Eins", "01.01.2022 01:00:00;0;0;Zwei"}, {}, kDisplayCompact,
         kNoAppointment, -1},
        // A leap day moves to the last day of February.
        {"01.03.2024 00:00:00", {"29.02.2024 12:00:00;1;0;Schalttag"},
         {"28.02.2025 12:00:00;1;0;Schalttag"}, {"28.02.2025 12:00:00;1;0;Schalttag"},
         kDisplayCompact, "", 364},
        // A yearly one past the last valid year goes, so the handling ends.
        {"31.12.9999 23:59:59", {"01.01.9999;1;0;Ende"}, {"01.01.9999;1;0;Ende"}, {},
         kDisplayCompact, kNoAppointment, -1},
    };
    for (const Case& c : cases) {
        CTestHost host;
        host.SetNow(c.now);
        ModelOf data(host, c.stored);
        EXPECT_EQ(HandleAllDue(data.model, host.Now()), c.announced) << c.now;
        EXPECT_EQ(TextsOf(data.model.GetTermine()), c.after) << c.now;
        EXPECT_TRUE(data.model.GetTermine().m_bModified);
        EXPECT_EQ(data.model.GetDayCount(), -1) << "set by the due handling";
        const std::string text = data.model.ComposeText(host.Now(), c.displayType);
        if (!c.text.empty()) {
            EXPECT_EQ(text, c.text) << c.now;
        }
        EXPECT_EQ(data.model.GetDayCount(), c.days) << c.now;
        EXPECT_TRUE(HandleAllDue(data.model, host.Now()).empty()) << "nothing due twice";
    }
}

TEST(TerminModelDue, EachCallChangesTheListByItsOneAppointment)
{
    // Until its turn, every due appointment is in the list, as it is in what a save writes.
    CTestHost host;
    host.SetNow("02.01.2022 00:00:00");
    ModelOf data(host, {"01.01.2022;0;0;Eins", "01.01.2022 01:00:00;1;0;Zwei",
                        "01.01.2022 02:00:00;0;0;Drei", "01.02.2022;0;0;Später"});
    CDueTermin due;
    ASSERT_TRUE(data.model.HandleDue(host.Now(), due));
    EXPECT_TRUE(due.removed);
    EXPECT_EQ(TextOf(due.found), "01.01.2022;0;0;Eins");
    EXPECT_EQ(TextsOf(data.model.GetTermine()),
              (Texts{"01.01.2022 01:00:00;1;0;Zwei", "01.01.2022 02:00:00;0;0;Drei", "01.02.2022;0;0;Später"}));
    ASSERT_TRUE(data.model.HandleDue(host.Now(), due));
    EXPECT_FALSE(due.removed);
    EXPECT_EQ(TextOf(due.found), "01.01.2022 01:00:00;1;0;Zwei");
    EXPECT_EQ(TextOf(due.announced), "01.01.2023 01:00:00;1;0;Zwei");
    EXPECT_EQ(TextsOf(data.model.GetTermine()),
              (Texts{"01.01.2022 02:00:00;0;0;Drei", "01.02.2022;0;0;Später", "01.01.2023 01:00:00;1;0;Zwei"}));
}

TEST(TerminModelDue, ARestoredAppointmentIsHandedOutAgainNextTime)
{
    struct Case {
        Texts stored;
        const char* handedOut;
    };
    const Case cases[] = {
        {{"01.01.2022;0;0;Einmal", "01.01.2022;0;0;Gleichzeitig", "01.02.2022;0;0;Später"},
         "01.01.2022;0;0;Einmal"},
        {{"01.01.2022;1;0;Jaehrlich", "01.01.2022;0;0;Gleichzeitig", "01.02.2022;0;0;Später"},
         "01.01.2023;1;0;Jaehrlich"},
    };
    for (const Case& c : cases) {
        // Also while the sheet is open: a refused one is not handled, so its copy stays.
        for (const bool sheetOpen : {false, true}) {
            CTestHost host;
            host.SetNow("02.01.2022 00:00:00");
            ModelOf data(host, c.stored);
            if (sheetOpen)
                data.model.StartRecordingHandled();
            const CTerminList copy = data.model.GetTermine();
            CDueTermin due;
            ASSERT_TRUE(data.model.HandleDue(host.Now(), due));
            EXPECT_EQ(TextOf(due.announced), c.handedOut);
            data.model.RestoreDue(due);
            if (sheetOpen)
                data.model.TakeEdited(copy);
            EXPECT_EQ(TextsOf(data.model.GetTermine()), TextsOf(copy)) << c.handedOut << sheetOpen;
            EXPECT_TRUE(data.model.GetTermine().m_bModified);
            CDueTermin again;
            ASSERT_TRUE(data.model.HandleDue(host.Now(), again));
            EXPECT_EQ(TextOf(again.announced), c.handedOut) << "first again, before its equal";
        }
    }
}

TEST(TerminModelDue, FortyDueAndAStopAfterTheFirstLoseNoneAndAnnounceNoneTwice)
{
    // The first run shows one box and saves, as a close does; the next start shows the rest.
    CTestHost host;
    host.SetNow("02.01.2022 00:00:00");
    CMemoryProfile profile;
    std::set<std::string> all;
    profile.OpenSection("Termine");
    for (int i = 0; i < 40; ++i) {
        const std::string description = orv::Format("T%02d", i);
        all.insert(description);
        profile.WriteString(orv::Format("t%03d", i),
                            orv::Format("01.01.2022 %02d:%02d:00;%d;0;%s", i / 2, i, i % 10 == 5,
                                        description.c_str()));
    }
    profile.CloseSection();
    const auto stored = [&] {
        std::set<std::string> descriptions;
        for (const auto& [name, value] : profile.sections["Termine"]) {
            const std::string text(value.bytes.begin(), value.bytes.end());
            descriptions.insert(text.substr(text.rfind(';') + 1));
        }
        return descriptions;
    };
    std::vector<std::string> announced;
    {
        CTerminModel first(profile, host);
        ASSERT_TRUE(first.Load());
        CDueTermin due;
        ASSERT_TRUE(first.HandleDue(host.Now(), due));
        announced.push_back(due.announced.m_strDescription);
        ASSERT_TRUE(first.Save());
    }
    std::set<std::string> left = stored();
    EXPECT_EQ(left.size(), 39u);
    EXPECT_EQ(left.count(announced[0]), 0u);
    left.insert(announced[0]);
    EXPECT_EQ(left, all) << "gone without being announced";

    CTerminModel next(profile, host);
    ASSERT_TRUE(next.Load());
    CDueTermin due;
    while (next.HandleDue(host.Now(), due))
        announced.push_back(due.announced.m_strDescription);
    ASSERT_EQ(announced.size(), 40u);
    EXPECT_EQ(std::set<std::string>(announced.begin(), announced.end()), all) << "each once";
    ASSERT_TRUE(next.Save());
    EXPECT_EQ(stored(), (std::set<std::string>{"T05", "T15", "T25", "T35"}));
    EXPECT_EQ(TextsOf(next.GetTermine()).front(), "01.01.2023 02:05:00;1;0;T05");
}

TEST(TerminModelDue, TwoThousandDueAtOnceEachHandedOutOnceInListOrder)
{
    CTestHost host;
    host.SetNow("01.06.2022 00:00:00");
    CTerminList list;
    for (int i = 0; i < 2000; ++i)
        list.Add(CTermin(CDateTime(2022, 5, 1, 0, 0, i % 60), false, 0, std::to_string(i)));
    CMemoryProfile profile;
    CTerminModel model(profile, host);
    model.TakeEdited(list);
    std::vector<std::string> shown;
    CDateTime previous;
    CDueTermin due;
    while (model.HandleDue(host.Now(), due)) {
        EXPECT_EQ(model.GetTermine().GetSize(), 2000u - shown.size() - 1);
        EXPECT_FALSE(due.found.m_dtTarget < previous) << "out of list order";
        previous = due.found.m_dtTarget;
        shown.push_back(due.announced.m_strDescription);
    }
    EXPECT_TRUE(model.GetTermine().IsEmpty());
    ASSERT_EQ(shown.size(), 2000u);
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(std::unique(shown.begin(), shown.end()) - shown.begin(), 2000);
}

TEST(TerminModelStore, LoadsSortedAndSavesOnlyWhenChanged)
{
    CTestHost host;
    host.SetNow("01.01.2022 00:00:00");
    CMemoryProfile profile;
    profile.OpenSection("Termine");
    profile.WriteString("t000", "03.01.2030;0;0;C");
    profile.WriteString("t001", "01.01.2030;0;0;A");
    profile.CloseSection();
    CTerminModel model(profile, host);
    ASSERT_TRUE(model.Load());
    EXPECT_EQ(TextsOf(model.GetTermine()), (Texts{"01.01.2030;0;0;A", "03.01.2030;0;0;C"}));

    // Nothing due and nothing edited: the store is not touched.
    EXPECT_TRUE(HandleAllDue(model, host.Now()).empty());
    const int writes = profile.writes;
    ASSERT_TRUE(model.Save());
    EXPECT_EQ(profile.writes, writes);

    // Handled: written once, then clean again.
    host.SetNow("02.01.2030 00:00:00");
    EXPECT_EQ(HandleAllDue(model, host.Now()).size(), 1u);
    ASSERT_TRUE(model.Save());
    EXPECT_GT(profile.writes, writes);
    EXPECT_EQ(profile.sections["Termine"].size(), 1u);
    const int afterSave = profile.writes;
    ASSERT_TRUE(model.Save());
    EXPECT_EQ(profile.writes, afterSave);

    // A store that cannot be opened leaves the list and keeps it unsaved.
    host.SetNow("04.01.2030 00:00:00");
    EXPECT_EQ(HandleAllDue(model, host.Now()).size(), 1u);
    profile.failOpen = true;
    EXPECT_FALSE(model.Load());
    EXPECT_FALSE(model.Save());
    EXPECT_TRUE(model.GetTermine().m_bModified);
}

TEST(TerminModelEdit, TheSheetsCopyComesBackWithWhatWasHandledMeanwhile)
{
    CTestHost host;
    host.SetNow("01.12.2021 00:00:00");
    const Texts live{"01.12.2021 10:00:00;0;0;Einmal", "01.12.2021 11:00:00;1;0;Jaehrlich",
                     "01.12.2021 12:00:00;0;0;Verschoben", "24.12.2021;0;0;Fest"};
    ModelOf data(host, live);
    data.model.StartRecordingHandled();
    CTerminList edited = data.model.GetTermine();  // the sheet's copy
    edited[2].m_strDescription = "Geaendert";      // edited while it became due
    edited.Add(ListOf({"01.01.2022;0;0;Neu"})[0]);
    host.SetNow("01.12.2021 13:00:00");
    EXPECT_EQ(HandleAllDue(data.model, host.Now()).size(), 3u);
    data.model.TakeEdited(edited);
    data.model.StopRecordingHandled();
    // The handled ones are not brought back; the edit stands, the new one is taken.
    EXPECT_EQ(TextsOf(data.model.GetTermine()),
              (Texts{"01.12.2021 12:00:00;0;0;Geaendert", "24.12.2021;0;0;Fest", "01.01.2022;0;0;Neu",
                     "01.12.2022 11:00:00;1;0;Jaehrlich"}));
    EXPECT_TRUE(data.model.GetTermine().m_bModified);

    // Once the sheet is closed nothing is recorded: a later copy is taken as it is.
    host.SetNow("01.12.2022 12:00:00");
    CTerminList later = data.model.GetTermine();
    EXPECT_EQ(HandleAllDue(data.model, host.Now()).size(), 4u);
    data.model.TakeEdited(later);
    EXPECT_EQ(data.model.GetTermine().GetSize(), later.GetSize());
}
