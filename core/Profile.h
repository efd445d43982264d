// The settings store seen by every loader and saver: named sections of typed values.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace orv {

// Value names come first. Readers return the caller's default when a value is missing or has
// the wrong type or length; writers return whether the store accepted the value.
class CProfile {
public:
    virtual ~CProfile() = default;

    virtual bool OpenSection(const std::string& section) = 0;
    virtual long CloseSection() = 0;
    virtual bool IsOpen() const = 0;

    virtual std::string GetString(const std::string& name, const std::string& defaultValue) = 0;
    virtual bool GetBool(const std::string& name, bool defaultValue) = 0;
    virtual int32_t GetInt(const std::string& name, int32_t defaultValue) = 0;
    virtual long GetBinary(const std::string& name, size_t size, const void* defaults,
                           void* result) = 0;

    virtual bool WriteString(const std::string& name, const std::string& text) = 0;
    virtual bool WriteBool(const std::string& name, bool value) = 0;
    virtual bool WriteInt(const std::string& name, int32_t value) = 0;
    virtual bool WriteBinary(const std::string& name, size_t size, const void* data) = 0;

    virtual bool DeleteValue(const std::string& name) = 0;
    virtual bool DeleteSection(const std::string& section) = 0;
    // Writes the changes made so far through to the disk: the open section's, or with none open
    // the application key's (a deleted section). False when the store cannot do so.
    virtual bool Flush() = 0;

    // Whether anything of the application is stored at all, asked without creating it: false
    // only before the first start has stored something.
    virtual bool Exists() = 0;
    // The value names of a section, read without creating it; empty when it does not exist.
    virtual void ListValueNames(const std::string& section, std::vector<std::string>& names) = 0;
};

}  // namespace orv
