// List files of the page "Termine": file dialogs, export, import and their messages.
#include "sheet/TermineFiles.h"

#include "framework/ListFileIo.h"
#include "framework/PathParts.h"
#include "platform/CommonDialogs.h"
#include "platform/WaitCursor.h"
#include "res/resource.h"
#include "sheet/ListFileTexts.h"
#include "sheet/TerminImportDlg.h"

namespace {

constexpr DWORD kExportFlags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                               OFN_PATHMUSTEXIST | OFN_NOREADONLYRETURN;
constexpr DWORD kImportFlags = OFN_READONLY | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                               OFN_FILEMUSTEXIST;

// The chosen file again, with its folder (drive and directory) for the next dialog.
std::string SplitChosenPath(const std::string& chosen, std::string& folder)
{
    const orv::Windows::CPathParts parts(chosen);
    folder = parts.GetDrive() + parts.GetDirectory();
    return parts.MakePath();
}

}  // namespace

CTermineFiles::CTermineFiles(orv::Windows::CAppServices& services, orv::CProfile& profile)
    : m_services(services), m_profile(profile)
{
}

void CTermineFiles::LoadFolders()
{
    if (!m_profile.OpenSection(kSection))
        return;
    m_strExportPath = m_profile.GetString("ExportPath", m_strExportPath);
    m_strImportPath = m_profile.GetString("ImportPath", m_strImportPath);
    m_profile.CloseSection();
}

void CTermineFiles::SaveFolders()
{
    if (!m_profile.OpenSection(kSection))
        return;
    m_profile.WriteString("ExportPath", m_strExportPath);
    m_profile.WriteString("ImportPath", m_strImportPath);
    m_profile.CloseSection();
}

bool CTermineFiles::ChooseExportPath(HWND owner, std::string& path)
{
    const CListFileTexts texts = CListFileTexts::Load();
    CFileDialog dialog(false, texts.extension, texts.fileName, kExportFlags, texts.filter, owner);
    dialog.SetInitialFolder(m_strExportPath);
    if (m_services.RunModal(dialog) != IDOK)
        return false;
    path = SplitChosenPath(dialog.GetPathName(), m_strExportPath);
    return true;
}

bool CTermineFiles::ChooseImportPath(HWND owner, std::string& path)
{
    const CListFileTexts texts = CListFileTexts::Load();
    CFileDialog dialog(true, "", "", kImportFlags, texts.filter, owner);
    dialog.SetInitialFolder(m_strImportPath);
    if (m_services.RunModal(dialog) != IDOK)
        return false;
    path = SplitChosenPath(dialog.GetPathName(), m_strImportPath);
    return true;
}

void CTermineFiles::Write(const CTerminList& termine, const CIndexArray& positions, const std::string& path)
{
    ListFileStatus status;
    {
        CWaitCursor wait;
        status = WriteListFile(path, termine, positions, m_services.Host());
    }
    if (status == ListFileStatus::OpenFailed)
        m_services.ShowError(IDS_ERR_OPEN_FOR_WRITE, path.c_str());
    else if (status == ListFileStatus::IoFailed)
        m_services.ShowError(IDS_ERR_WRITE, path.c_str());
}

bool CTermineFiles::Read(HWND owner, CTerminList& termine, const std::string& path)
{
    CTerminImportDlg dialog(m_services, owner);
    bool invalidLines = false;
    ListFileStatus status;
    {
        CWaitCursor wait;
        status = ReadListFile(path, dialog.m_termine, invalidLines, m_services.Host());
    }
    if (status == ListFileStatus::OpenFailed) {
        m_services.ShowError(IDS_ERR_OPEN_FOR_READ, path.c_str());
        return false;
    }
    if (status == ListFileStatus::IoFailed) {
        // Nothing of a file that could not be read to its end is taken.
        m_services.ShowError(IDS_ERR_READ, path.c_str());
        return false;
    }
    if (invalidLines)
        m_services.ShowWarning(IDS_WARN_INVALID_LINES);
    if (dialog.m_termine.IsEmpty()) {
        m_services.ShowWarning(IDS_WARN_NO_ENTRIES);
        return false;
    }
    if (m_services.RunModal(dialog) != IDOK)
        return false;
    termine.m_bModified = true;
    termine.AddAll(dialog.m_termine);
    return true;
}
