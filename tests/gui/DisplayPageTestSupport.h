// The display page in a sheet of the test's own, with a registry area of its own for the schemes.
#pragma once

#include "SheetTestSupport.h"

#include "framework/RegistryProfile.h"
#include "sheet/DisplayPropPage.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

class DisplayPageTest : public ::testing::Test {
public:
    static constexpr const char* kAppPath = "ZielmarkTest\\DisplayPage";

protected:

    void SetUp() override;
    void TearDown() override;

    // Adds the page to `sheet` with the given settings and scheme name.
    CDisplayPropPage* AddPage(CPropertySheet& sheet, const CDisplaySet& settings,
                              const std::string& schemeName = "");

    void WriteScheme(const std::string& name, const std::string& text) const;
    // The section "Schemata" as the registry holds it: value name to text.
    std::map<std::string, std::string> RegistrySchemes() const;

    CRecordingApp app;
    CPlainWindow mainWindow;
    orv::Windows::CRegistryProfile profile;
};

// The settings as text form, e.g. "1;0x00FFFFFF;0x00000000;1;0x00804000;0x00FF0000;4".
CDisplaySet SettingsOf(const std::string& text);

// Sets red, green and blue in the system colour dialog and confirms it.
void PickColor(HWND colorDialog, COLORREF color);
