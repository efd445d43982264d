// Version text formatting and the browser address of a help topic.
#include "core/HelpText.h"

#include "core/StringUtil.h"

#include <algorithm>

namespace orv {

std::string FormatVersionText(uint16_t major, uint16_t minor, uint16_t revision, uint16_t build)
{
    std::string text = Format("v%d.%02d", major, minor);
    if (revision != 0)
        text += static_cast<char>(revision + 96);
    if (build != 0)
        text += Format(" (Build %04X)", build);
    return text;
}

HelpPage HelpPageFor(const std::string& helpFolder, const std::string& topic)
{
    std::string page = topic.empty() ? "index.html" : topic;
    std::string anchor;
    const auto hash = page.rfind('#');
    if (hash != std::string::npos) {
        anchor = page.substr(hash);
        page.erase(hash);
    }
    HelpPage result;
    result.file = helpFolder + page;
    std::string url = result.file;
    std::replace(url.begin(), url.end(), '\\', '/');
    result.address = "\"file:///" + url + anchor + "\"";
    return result;
}

}  // namespace orv
