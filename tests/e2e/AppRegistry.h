// The program's registry key as the tests prepare and inspect it: raw Reg API calls, so the
// checks do not depend on the program's own registry classes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

// A stored value: its registry type and raw bytes.
struct RegValue {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;

    // The text of a REG_SZ value without its terminating zero.
    std::string Text() const;
};

class AppRegistry {
public:
    static constexpr const char* kKey = "Software\\Orvanta\\Zielmark";

    // Deletes the whole key; true when it is gone afterwards.
    static bool Delete();
    static bool Exists();

    static void SetBinary(const std::string& section, const std::string& name,
                          const void* data, size_t size);
    static void SetBool(const std::string& section, const std::string& name, bool value);
    static void SetString(const std::string& section, const std::string& name,
                          const std::string& text);

    static std::optional<RegValue> Get(const std::string& section, const std::string& name);
    // The value names of a section in registry order; empty when the section is missing.
    static std::vector<std::string> ValueNames(const std::string& section);
    static bool SectionExists(const std::string& section);
};

}  // namespace e2e
