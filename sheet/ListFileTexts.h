// The texts of the export and import file dialogs.
#pragma once

#include <string>

struct CListFileTexts {
    std::string filter;     // "Termin-Listen (*.lst)|*.lst|...||"
    std::string fileName;   // "Termine"
    std::string extension;  // "lst"

    // From the string table.
    static CListFileTexts Load();
};
