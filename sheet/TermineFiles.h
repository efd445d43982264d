// The list files of the page "Termine": the file dialogs with the folders remembered for the
// next time, the export of chosen appointments and the import through the import dialog, and
// their messages.
#pragma once

#include "core/IndexArray.h"
#include "core/Profile.h"
#include "core/TerminList.h"
#include "framework/AppServices.h"

#include <windows.h>

#include <string>

class CTermineFiles {
public:
    static constexpr const char* kSection = "Settings\\Termine";

    // `profile` keeps the export and import folders; `services` run the dialogs and show the
    // messages.
    CTermineFiles(orv::Windows::CAppServices& services, orv::CProfile& profile);

    void LoadFolders();
    void SaveFolders();

    // The file dialogs over `owner`; false when cancelled. The chosen folder is remembered.
    bool ChooseExportPath(HWND owner, std::string& path);
    bool ChooseImportPath(HWND owner, std::string& path);

    // Writes the appointments of `termine` at `positions`; a failure is reported.
    void Write(const CTerminList& termine, const CIndexArray& positions, const std::string& path);
    // Reads the file and appends the entries the user picks in the import dialog over `owner`;
    // true when any were taken. A file that cannot be read is reported and changes nothing.
    bool Read(HWND owner, CTerminList& termine, const std::string& path);

private:
    orv::Windows::CAppServices& m_services;
    orv::CProfile& m_profile;
    std::string m_strExportPath;
    std::string m_strImportPath;
};
