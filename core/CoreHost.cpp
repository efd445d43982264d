// The core host's shared parts, its date writers and the portable host used natively and in tests.
#include "core/CoreHost.h"

#include <ctime>

std::unique_ptr<CDateTimeWriter> CCoreHost::CreateDateTimeWriter() const
{
    return std::make_unique<CHostDateTimeWriter>(*this);
}

void CHostDateTimeWriter::Append(const CDateTime& value, std::string& text) const
{
    text += m_host.FormatDateTime(value);
}

void CPatternDateTimeWriter::Append(const CDateTime& value, std::string& text) const
{
    if (!m_pattern.Append(value, text))
        text += m_host.FormatDateTime(value);
}

const std::vector<BuiltInTextEntry>& BuiltInTexts()
{
#define ZM_TEXT(id, text) {id, text},
    static const std::vector<BuiltInTextEntry> texts = {
#include "res/strings.inc"
    };
#undef ZM_TEXT
    return texts;
}

const char* BuiltInText(int id)
{
    for (const auto& entry : BuiltInTexts())
        if (entry.id == id)
            return entry.text;
    return "";
}

CDateTime CPortableCoreHost::Now() const
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return CDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                     local.tm_min, local.tm_sec > 59 ? 59 : local.tm_sec);
}

std::string CPortableCoreHost::FormatDateTime(const CDateTime& value) const
{
    return FormatGermanDateTime(value);
}

bool CPortableCoreHost::ParseDateTime(const std::string& text, CDateTime& value) const
{
    return ParseGermanDateTime(text, value);
}

std::string CPortableCoreHost::LoadText(int id) const
{
    return BuiltInText(id);
}
