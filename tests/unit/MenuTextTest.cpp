// Menu item texts as the double-click page lists them.
#include "core/MenuText.h"

#include <gtest/gtest.h>

TEST(CleanMenuText, DropsMnemonicMarksAndTheAcceleratorPart)
{
    EXPECT_EQ(CleanMenuText("Icon in &Task-Leiste\tAlt-T"), "Icon in Task-Leiste");
    EXPECT_EQ(CleanMenuText("Hilfe-St&artseite ..."), "Hilfe-Startseite ...");
    EXPECT_EQ(CleanMenuText("&Beenden\tAlt-F4"), "Beenden");
    // Only the first tab ends the text.
    EXPECT_EQ(CleanMenuText("A\tB\tC"), "A");
    EXPECT_EQ(CleanMenuText("\tStrg-E"), "");
    EXPECT_EQ(CleanMenuText(""), "");
}

TEST(CleanMenuText, AmpersandKeepsTheCharacterAfterIt)
{
    EXPECT_EQ(CleanMenuText("Drag && Drop"), "Drag & Drop");
    EXPECT_EQ(CleanMenuText("&&&X"), "&X");
    // An ampersand at the end has nothing to mark.
    EXPECT_EQ(CleanMenuText("Ende&"), "Ende");
    EXPECT_EQ(CleanMenuText("&"), "");
    // A marked tab is a character of the text, not the start of the accelerator part.
    EXPECT_EQ(CleanMenuText("A&\tB\tC"), "A\tB");
    // Umlauts of code page 1252 pass unchanged.
    EXPECT_EQ(CleanMenuText("&\xDC" "bernehmen"), "\xDC" "bernehmen");
}
