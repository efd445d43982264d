// Version text and help-page addresses: the text rules without the platform calls.
#pragma once

#include <cstdint>
#include <string>

namespace orv {

// "v%d.%02d", a letter for the revision (1 = "a"), " (Build %04X)" for a build.
std::string FormatVersionText(uint16_t major, uint16_t minor, uint16_t revision, uint16_t build);

struct HelpPage {
    std::string file;     // help folder + page, without the anchor
    std::string address;  // "\"file:///...#anchor\"", quoted for the browser's command line
};
// The page of a topic ("page.html#anchor"; empty means "index.html") in the help folder.
HelpPage HelpPageFor(const std::string& helpFolder, const std::string& topic);

}  // namespace orv
