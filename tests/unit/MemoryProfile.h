// An in-memory settings store with the registry's value encodings, for the portable tests.
#pragma once

#include "core/Profile.h"

#include <map>
#include <string>
#include <vector>

class CMemoryProfile : public orv::CProfile {
public:
    enum class Type { String, Binary, Other };
    struct Value {
        Type type = Type::String;
        std::vector<unsigned char> bytes;  // text without terminator for strings
    };
    using Section = std::map<std::string, Value>;

    bool OpenSection(const std::string& section) override;
    long CloseSection() override;
    bool IsOpen() const override { return !m_open.empty(); }

    std::string GetString(const std::string& name, const std::string& defaultValue) override;
    bool GetBool(const std::string& name, bool defaultValue) override;
    int32_t GetInt(const std::string& name, int32_t defaultValue) override;
    long GetBinary(const std::string& name, size_t size, const void* defaults,
                   void* result) override;

    bool WriteString(const std::string& name, const std::string& text) override;
    bool WriteBool(const std::string& name, bool value) override;
    bool WriteInt(const std::string& name, int32_t value) override;
    bool WriteBinary(const std::string& name, size_t size, const void* data) override;

    bool DeleteValue(const std::string& name) override;
    bool DeleteSection(const std::string& section) override;
    bool Flush() override;
    // Like the application's key, the store exists once a section was opened, even when its
    // sections are deleted again.
    bool Exists() override { return m_opened || !sections.empty(); }
    void ListValueNames(const std::string& section, std::vector<std::string>& names) override;

    std::map<std::string, Section> sections;
    int writes = 0;         // every change, for "did not touch the store" checks
    bool failOpen = false;  // OpenSection fails while set
    // Once this many changes have been made, every further change fails and has no effect, as
    // if the process had been killed there; -1 for no limit.
    int writeLimit = -1;
    int flushes = 0;

private:
    const Value* Find(const std::string& name) const;
    bool Store(const std::string& name, Value value);
    // Counts a change; false (and the change must not happen) once the limit is reached.
    bool MayChange();

    std::string m_open;
    bool m_opened = false;
};
