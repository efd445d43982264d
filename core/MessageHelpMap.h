// Which help topic explains which numbered message.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace orv {

class CMessageHelpMap {
public:
    // The first registration of an id wins; always 0.
    int RegisterTopic(int32_t messageId, const std::string& topic);
    // The topic of the id, or empty text.
    std::string TopicFor(int32_t messageId) const;
    size_t GetSize() const { return m_entries.size(); }

private:
    std::vector<std::pair<int32_t, std::string>> m_entries;
};

}  // namespace orv
