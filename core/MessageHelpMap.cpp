// Message id to help topic, in registration order.
#include "core/MessageHelpMap.h"

#include <algorithm>

namespace orv {

int CMessageHelpMap::RegisterTopic(int32_t messageId, const std::string& topic)
{
    const auto known = std::find_if(m_entries.begin(), m_entries.end(),
                                    [messageId](const auto& entry) { return entry.first == messageId; });
    if (known == m_entries.end())
        m_entries.emplace_back(messageId, topic);
    return 0;
}

std::string CMessageHelpMap::TopicFor(int32_t messageId) const
{
    for (const auto& entry : m_entries)
        if (entry.first == messageId)
            return entry.second;
    return {};
}

}  // namespace orv
