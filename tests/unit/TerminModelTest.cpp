// The appointment model: due handling that changes the whole list and returns what to announce,
// the text of each paint, saving only when changed, and the sheet's copy taken back.
#include "core/TerminModel.h"

#include "core/RemainingText.h"

#include "MemoryProfile.h"
#include "TerminTestSupport.h"
#include "TestHost.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr char kNoAppointment[] = ">> Es ist kein Termin hinterlegt. <<";

Texts TextsOf(const CTerminList& list)
{
    Texts texts;
    for (size_t i = 0; i < list.GetSize(); ++i)
        texts.push_back(list.GetAt(i).FormatText());
    return texts;
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

TEST(TerminModelDue, HandlesEveryDueOneAtOnceAndReturnsTheAnnouncements)
{
    struct Case {
        const char* now;
        Texts stored;
        Texts announced;
        Texts after;
        int displayType;
        std::string text;  // composed after the due handling
        int32_t days;
    };
    const Case cases[] = {
        // A one-time appointment goes and is announced with its own moment.
        {"24.12.2021 18:00:00", {"24.12.2021 18:00:00;0;1;Bescherung", "31.12.2021;0;0;Silvester"},
         {"Bescherung!\n(24.12.2021 18:00:00)"}, {"31.12.2021;0;0;Silvester"}, kDisplayStandard,
         "6T 06:00:00 bis Silvester", 6},
        // A yearly one stays a year later and is announced with the new moment.
        {"24.12.2021 18:00:01", {"24.12.2021 18:00:00;1;1;Weihnachten", "01.06.2022;0;0;Sommer"},
         {"Weihnachten!\n(24.12.2022 18:00:00)"},
         {"01.06.2022;0;0;Sommer", "24.12.2022 18:00:00;1;1;Weihnachten"}, kDisplayCompact, "", 158},
        // Met years late: one announcement per year until it lies ahead.
        {"01.06.2022 00:00:00", {"01.05.2019;1;0;Mai"},
         {"Mai!\n(01.05.2020 00:00:00)", "Mai!\n(01.05.2021 00:00:00)", "Mai!\n(01.05.2022 00:00:00)",
          "Mai!\n(01.05.2023 00:00:00)"},
         {"01.05.2023;1;0;Mai"}, kDisplayCompact, "", 334},
        // Several due together: each its own announcement, in order; nothing left to show.
        {"02.01.2022 00:00:00", {"01.01.2022;0;0;Eins", "01.01.2022 01:00:00;0;0;Zwei"},
         {"Eins!\n(01.01.2022 00:00:00)", "Zwei!\n(01.01.2022 01:00:00)"}, {}, kDisplayCompact,
         kNoAppointment, -1},
        // A leap day moves to the last day of February.
        {"01.03.2024 00:00:00", {"29.02.2024 12:00:00;1;0;Schalttag"},
         {"Schalttag!\n(28.02.2025 12:00:00)"}, {"28.02.2025 12:00:00;1;0;Schalttag"},
         kDisplayCompact, "", 364},
        // A yearly one past the last valid year goes, so the handling ends.
        {"31.12.9999 23:59:59", {"01.01.9999;1;0;Ende"}, {"Ende!\n(01.01.9999 00:00:00)"}, {},
         kDisplayCompact, kNoAppointment, -1},
    };
    for (const Case& c : cases) {
        CTestHost host;
        host.SetNow(c.now);
        ModelOf data(host, c.stored);
        EXPECT_EQ(data.model.HandleDue(host.Now()), c.announced) << c.now;
        EXPECT_EQ(TextsOf(data.model.GetTermine()), c.after) << c.now;
        EXPECT_TRUE(data.model.GetTermine().m_bModified);
        EXPECT_EQ(data.model.GetDayCount(), -1) << "set by the due handling";
        const std::string text = data.model.ComposeText(host.Now(), c.displayType);
        if (!c.text.empty()) {
            EXPECT_EQ(text, c.text) << c.now;
        }
        EXPECT_EQ(data.model.GetDayCount(), c.days) << c.now;
        EXPECT_TRUE(data.model.HandleDue(host.Now()).empty()) << "nothing due twice";
    }
}

TEST(TerminModelDue, PaintingNeverHandlesADueAppointment)
{
    CTestHost host;
    host.SetNow("02.01.2022 00:00:00");
    ModelOf data(host, {"01.01.2022;0;0;Vorbei"});
    EXPECT_EQ(data.model.ComposeText(host.Now(), kDisplayCompact), "0T 00:00:00");
    EXPECT_EQ(data.model.GetDayCount(), 0);
    EXPECT_EQ(data.model.GetTermine().GetSize(), 1u);
    for (int type : {kDisplayCompact, kDisplayStandard, kDisplayExtended}) {
        CTerminModel empty(data.profile, host);
        EXPECT_EQ(empty.ComposeText(host.Now(), type), kNoAppointment);
        EXPECT_EQ(empty.GetDayCount(), -1);
    }
}

TEST(TerminModelDue, TheTextIsComposedAgainWhenTimeListOrTypeChanged)
{
    // The text is kept between ticks of one second; each of these must still show at once.
    CTestHost host;
    host.SetNow("01.12.2021 12:00:00");
    ModelOf data(host, {"01.12.2021 12:00:02;0;0;Bald", "24.12.2021;0;0;Fest"});
    CTerminModel& model = data.model;
    EXPECT_EQ(model.ComposeText(host.Now(), kDisplayCompact), "0T 00:00:02");
    EXPECT_EQ(model.ComposeText(host.Now(), kDisplayCompact), "0T 00:00:02") << "same second";
    EXPECT_EQ(model.ComposeText(host.Now(), kDisplayStandard), "0T 00:00:02 bis Bald") << "other type";
    host.SetNow("01.12.2021 12:00:01");
    EXPECT_EQ(model.ComposeText(host.Now(), kDisplayCompact), "0T 00:00:01") << "next second";
    host.SetNow("01.12.2021 12:00:02");
    EXPECT_EQ(model.ComposeText(host.Now(), kDisplayCompact), "0T 00:00:00");
    EXPECT_EQ(model.HandleDue(host.Now()).size(), 1u);
    EXPECT_EQ(model.ComposeText(host.Now(), kDisplayCompact), "22T 11:59:58") << "handled within the second";
    EXPECT_EQ(model.GetDayCount(), 22);
    model.TakeEdited(ListOf({"01.12.2021 13:00:02;0;0;Neu"}));
    EXPECT_EQ(model.ComposeText(host.Now(), kDisplayCompact), "0T 01:00:00") << "edited within the second";
    EXPECT_EQ(model.GetDayCount(), 0);
    data.profile.sections.clear();  // an empty store
    ASSERT_TRUE(model.Load());
    EXPECT_EQ(model.ComposeText(host.Now(), kDisplayCompact), kNoAppointment) << "loaded within the second";
    EXPECT_EQ(model.GetDayCount(), -1);
}

TEST(TerminModelDue, TwoThousandDueAtOnceEachAnnouncedOnce)
{
    CTestHost host;
    host.SetNow("01.06.2022 00:00:00");
    CTerminList list;
    for (int i = 0; i < 2000; ++i)
        list.Add(CTermin(CDateTime(2022, 5, 1, 0, 0, i % 60), false, 0, std::to_string(i)));
    CMemoryProfile profile;
    CTerminModel model(profile, host);
    model.TakeEdited(list);
    std::vector<std::string> shown = model.HandleDue(host.Now());
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
    EXPECT_TRUE(model.HandleDue(host.Now()).empty());
    const int writes = profile.writes;
    ASSERT_TRUE(model.Save());
    EXPECT_EQ(profile.writes, writes);

    // Handled: written once, then clean again.
    host.SetNow("02.01.2030 00:00:00");
    EXPECT_EQ(model.HandleDue(host.Now()).size(), 1u);
    ASSERT_TRUE(model.Save());
    EXPECT_GT(profile.writes, writes);
    EXPECT_EQ(profile.sections["Termine"].size(), 1u);
    const int afterSave = profile.writes;
    ASSERT_TRUE(model.Save());
    EXPECT_EQ(profile.writes, afterSave);

    // A store that cannot be opened leaves the list and keeps it unsaved.
    host.SetNow("04.01.2030 00:00:00");
    EXPECT_EQ(model.HandleDue(host.Now()).size(), 1u);
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
    EXPECT_EQ(data.model.HandleDue(host.Now()).size(), 3u);
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
    EXPECT_EQ(data.model.HandleDue(host.Now()).size(), 4u);
    data.model.TakeEdited(later);
    EXPECT_EQ(data.model.GetTermine().GetSize(), later.GetSize());
}
