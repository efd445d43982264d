// The page "Termine" and list files: export of the selected rows, import through the import
// dialog, their messages and the folders remembered for the next time.
#include "sheet/TerminePropPage.h"

#include "framework/PathParts.h"
#include "platform/CommonDialogs.h"
#include "platform/WaitCursor.h"
#include "res/resource.h"
#include "framework/ListFileIo.h"
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

void CTerminePropPage::OnExport()
{
    CIndexArray positions;
    m_list.GetSelectedPositions(positions);
    if (positions.GetSize() == 0)
        return;
    const CListFileTexts texts = CListFileTexts::Load();
    CFileDialog dialog(false, texts.extension, texts.fileName, kExportFlags, texts.filter, m_hWnd);
    dialog.SetInitialFolder(m_strExportPath);
    if (m_services.RunModal(dialog) != IDOK)
        return;
    const std::string path = SplitChosenPath(dialog.GetPathName(), m_strExportPath);
    WriteListFile(positions, path);
}

void CTerminePropPage::OnImport()
{
    const CListFileTexts texts = CListFileTexts::Load();
    CFileDialog dialog(true, "", "", kImportFlags, texts.filter, m_hWnd);
    dialog.SetInitialFolder(m_strImportPath);
    if (m_services.RunModal(dialog) != IDOK)
        return;
    const std::string path = SplitChosenPath(dialog.GetPathName(), m_strImportPath);
    ReadListFile(path);
}

void CTerminePropPage::WriteListFile(const CIndexArray& positions, const std::string& path)
{
    ListFileStatus status;
    {
        CWaitCursor wait;
        status = ::WriteListFile(path, m_termine, positions, m_services.Host());
    }
    if (status == ListFileStatus::OpenFailed)
        m_services.ShowError(IDS_ERR_OPEN_FOR_WRITE, path.c_str());
    else if (status == ListFileStatus::IoFailed)
        m_services.ShowError(IDS_ERR_WRITE, path.c_str());
}

void CTerminePropPage::ReadListFile(const std::string& path)
{
    CTerminImportDlg dialog(m_services, m_hWnd);
    bool invalidLines = false;
    ListFileStatus status;
    {
        CWaitCursor wait;
        status = ::ReadListFile(path, dialog.m_termine, invalidLines, m_services.Host());
    }
    if (status == ListFileStatus::OpenFailed) {
        m_services.ShowError(IDS_ERR_OPEN_FOR_READ, path.c_str());
        return;
    }
    if (status == ListFileStatus::IoFailed) {
        // Nothing of a file that could not be read to its end is taken.
        m_services.ShowError(IDS_ERR_READ, path.c_str());
        return;
    }
    if (invalidLines)
        m_services.ShowWarning(IDS_WARN_INVALID_LINES);
    if (dialog.m_termine.IsEmpty()) {
        m_services.ShowWarning(IDS_WARN_NO_ENTRIES);
        return;
    }
    if (m_services.RunModal(dialog) != IDOK)
        return;
    m_termine.m_bModified = true;
    const size_t first = m_termine.GetSize();
    m_termine.SetSize(first + dialog.m_termine.GetSize());
    for (size_t i = 0; i < dialog.m_termine.GetSize(); ++i)
        m_termine[first + i] = dialog.m_termine[i];
    m_list.Refill();
    MarkChanged(true);
}
