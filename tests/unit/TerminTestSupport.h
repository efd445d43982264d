// Appointment lists for tests, from and to their one-line text form with German dates.
#pragma once

#include "core/CoreHost.h"
#include "core/TerminList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Texts = std::vector<std::string>;

// The lines (German dates) as a sorted list; a line that does not parse fails the test.
inline CTerminList ListOf(const Texts& lines)
{
    const CPortableCoreHost german;
    CTerminList list;
    for (const auto& line : lines) {
        CTermin termin;
        EXPECT_TRUE(termin.ParseText(line, german)) << line;
        list.Add(termin);
    }
    list.Sort();
    return list;
}

// The German text form of an appointment, and of every one of a list in list order.
inline std::string TextOf(const CTermin& termin)
{
    return termin.FormatText(CPortableCoreHost());
}

inline Texts TextsOf(const CTerminList& list)
{
    Texts texts;
    for (size_t i = 0; i < list.GetSize(); ++i)
        texts.push_back(TextOf(list[i]));
    return texts;
}
