// The one line of the timer window: the time left until the first appointment.
#pragma once

#include "core/DateTime.h"
#include "core/Termin.h"

#include <cstdint>
#include <string>

enum DisplayType : int32_t { kDisplayCompact = 0, kDisplayStandard = 1, kDisplayExtended = 2 };

class CCoreHost;

// Composes the text for `remaining` in the display type (unknown types count as compact) from
// the texts of `host` and stores the whole days in `dayCount`. A remaining time of zero or less
// is shown as zero.
std::string ComposeRemainingText(const CDateTimeSpan& remaining, const CTermin& first,
                                 int32_t displayType, int32_t& dayCount, const CCoreHost& host);
