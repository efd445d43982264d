// Appointment lists for tests, from their one-line text form.
#pragma once

#include "core/TerminList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Texts = std::vector<std::string>;

// The lines as a sorted list; a line that does not parse fails the test.
inline CTerminList ListOf(const Texts& lines)
{
    CTerminList list;
    for (const auto& line : lines) {
        CTermin termin;
        EXPECT_TRUE(termin.ParseText(line)) << line;
        list.Add(termin);
    }
    list.Sort();
    return list;
}
