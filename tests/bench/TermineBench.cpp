// 10,000 appointments: export and import of a list file against a plain copy of its bytes, how
// long the appointment list takes to fill and to sort by each column, what one message to a
// bound control costs, and how long the About dialog takes to open with its list.
#include "BenchSupport.h"

#include "app/Win32CoreHost.h"
#include "framework/AppServices.h"
#include "platform/Dialog.h"
#include "res/resource.h"
#include "framework/ListFileIo.h"
#include "sheet/InfoDlg.h"
#include "sheet/TerminListCtrl.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <type_traits>
#include <vector>

namespace {

constexpr int kAppointments = 10000;
constexpr int kRuns = 7;
constexpr int kMessageRuns = 41;

// One run of `step`, timed whole, or by itself when it returns its own time.
template <typename Step>
double TimeOnce(Step step)
{
    const double start = QpcSeconds();
    if constexpr (std::is_void_v<decltype(step())>) {
        step();
        return QpcSeconds() - start;
    } else {
        return step();
    }
}

struct CPair {
    double ours;
    double reference;
};

// Medians of `ours` and `reference` run in turns, the order swapped every run, so a busy
// machine weighs on both sides alike.
template <typename Ours, typename Reference>
CPair Interleaved(Ours ours, Reference reference, int runs = kRuns)
{
    std::vector<double> oursSamples, referenceSamples;
    for (int run = 0; run < runs; ++run) {
        if (run % 2 == 0) {
            oursSamples.push_back(TimeOnce(ours));
            referenceSamples.push_back(TimeOnce(reference));
        } else {
            referenceSamples.push_back(TimeOnce(reference));
            oursSamples.push_back(TimeOnce(ours));
        }
    }
    return {Summarize(oursSamples).median, Summarize(referenceSamples).median};
}

// Dates over thirty years, a third of them on the same day, descriptions with many ties.
CTerminList ManyTermine()
{
    CTerminList list;
    for (int i = 0; i < kAppointments; ++i) {
        const bool sameDay = i % 3 == 0;
        const CDateTime target(2000 + (i * 7) % 30, 1 + (i * 5) % 12, 1 + (i * 11) % 28,
                               sameDay ? 0 : (i * 13) % 24, sameDay ? 0 : (i * 17) % 60, 0);
        list.Add(CTermin(target, i % 2 == 0, i % 7, "Termin " + std::to_string((i * 37) % 500)));
    }
    return list;
}

// The bytes of `from` into `to`, read and written in 64 KiB pieces: the floor for any file work.
void CopyBytes(const std::string& from, const std::string& to)
{
    CFileHandle in(CreateFileA(from.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    CFileHandle out(CreateFileA(to.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    std::vector<char> buffer(64 * 1024);
    DWORD read = 0, written = 0;
    while (ReadFile(in.Get(), buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr) && read > 0)
        WriteFile(out.Get(), buffer.data(), read, &written, nullptr);
    FlushFileBuffers(out.Get());
}

// A list of ours alone in a dialog template of the program, modeless.
template <class ListType, UINT kTemplate>
class CListHost : public CDialog {
public:
    CListHost() : CDialog(kTemplate) {}
    ~CListHost() override { ::DestroyWindow(m_hWnd); }
    ListType list;

protected:
    BOOL OnInitDialog() override
    {
        list.AttachDlgItem(IDC_LIST, m_hWnd);
        return TRUE;
    }
};
using CTerminListHost = CListHost<CTerminListCtrl, IDD_TERMIN_IMPORT>;
using CInfoListHost = CListHost<CInfoListCtrl, IDD_INFO>;

// The About dialog run modeless, so opening it can be timed; closed with the object.
// The bench opens no modal dialog, message or help page; the About dialog only needs services handed in.
class CNoServices : public orv::Windows::CAppServices {
public:
    explicit CNoServices(const CCoreHost& host) : m_host(host) {}
    const CCoreHost& Host() const override { return m_host; }
    INT_PTR RunModal(CModalWnd&) override { return -1; }
    void ShowHelpTopic(const char*) override {}
    bool AskYesNo(HWND, int) override { return false; }

protected:
    void ShowNumbered(int, int, va_list) override {}

private:
    const CCoreHost& m_host;
};

class CInfoProbe : public CInfoDlg {
public:
    CInfoProbe(orv::Windows::CAppServices& services, HWND owner, const CDateTime& now)
        : CInfoDlg(services, owner, now) {}
    ~CInfoProbe() override { ::DestroyWindow(m_hWnd); }
};

// A list view as comctl32 makes it, filled and sorted by item data with the plainest comparison.
class CListRef {
public:
    explicit CListRef(HWND parent)
        : m_list(CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | LVS_REPORT, 0, 0, 300, 300, parent, nullptr,
                                 nullptr, nullptr))
    {
        LVCOLUMNA column{};
        column.mask = LVCF_WIDTH;
        column.cx = 100;
        SendMessageA(m_list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    }
    void Fill(int rows)
    {
        SendMessageA(m_list, WM_SETREDRAW, FALSE, 0);
        SendMessageA(m_list, LVM_DELETEALLITEMS, 0, 0);
        for (int row = 0; row < rows; ++row) {
            LVITEMA item{};
            item.mask = LVIF_TEXT | LVIF_PARAM;
            item.iItem = row;
            item.pszText = LPSTR_TEXTCALLBACKA;
            item.lParam = (row * 7919) % rows;
            SendMessageA(m_list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        }
        SendMessageA(m_list, WM_SETREDRAW, TRUE, 0);
    }
    HWND Handle() const { return m_list; }
    void Sort()
    {
        m_descending = !m_descending;
        SendMessageA(m_list, LVM_SORTITEMS, m_descending, reinterpret_cast<LPARAM>(Compare));
    }

private:
    static int CALLBACK Compare(LPARAM a, LPARAM b, LPARAM descending)
    {
        const int order = a < b ? -1 : a > b ? 1 : 0;
        return descending ? -order : order;
    }
    HWND m_list;
    bool m_descending = false;
};

}  // namespace

int main()
{
    const CWin32CoreHost host;
    CNoServices services(host);
    CTerminList termine = ManyTermine();
    CIndexArray all;
    for (int i = 0; i < kAppointments; ++i)
        all.Add(i);

    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof(temp), temp);
    const std::string file = std::string(temp) + "zm_bench_termine.lst";
    const std::string copy = std::string(temp) + "zm_bench_copy.lst";

    bool failed = false;
    const auto copyStep = [&] { CopyBytes(file, copy); };
    const CPair exported =
        Interleaved([&] { failed |= WriteListFile(file, termine, all, host) != ListFileStatus::Ok; }, copyStep);
    const CPair imported = Interleaved(
        [&] {
            CTerminList read;
            bool invalid = false;
            failed |= ReadListFile(file, read, invalid, host) != ListFileStatus::Ok || read.GetSize() != termine.GetSize();
        },
        copyStep);
    DeleteFileA(file.c_str());
    DeleteFileA(copy.c_str());
    if (failed) {
        std::fprintf(stderr, "termine: the list file could not be written or read back\n");
        return 1;
    }
    std::printf("list file of %d appointments:\n", kAppointments);
    std::printf("  export %.1f ms against a plain copy of its bytes %.1f ms: %.1f\n", exported.ours * 1e3,
                exported.reference * 1e3, exported.ours / exported.reference);
    std::printf("  import %.1f ms against a plain copy of its bytes %.1f ms: %.1f\n", imported.ours * 1e3,
                imported.reference * 1e3, imported.ours / imported.reference);
    PrintRatioRow("list file: export 10,000 vs plain copy", exported.ours, exported.reference, "ms", 4.0);
    PrintRatioRow("list file: import 10,000 vs plain copy", imported.ours, imported.reference, "ms", 4.0);

    CTerminListHost dialog;
    if (!dialog.Create(nullptr)) {
        std::fprintf(stderr, "termine: the list dialog could not be created\n");
        return 1;
    }
    dialog.list.InitList(&termine, host);
    // The same number of rows in a plain list view, without our subclass and texts, in a plain
    // window whose notifications nobody looks at: what the control itself costs here.
    const HWND plainParent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 320, 320, nullptr, nullptr, nullptr, nullptr);
    if (!plainParent) {
        std::fprintf(stderr, "termine: the reference window could not be created\n");
        return 1;
    }
    CListRef reference(plainParent);
    const auto referenceFill = [&] { reference.Fill(kAppointments); };
    const auto referenceSort = [&] { reference.Sort(); };
    const CPair fill = Interleaved([&] { dialog.list.Refill(); }, referenceFill);

    std::printf("appointment list with %d rows (reference: a plain list view of as many rows):\n",
                dialog.list.GetItemCount());
    std::printf("  fill, sorted by date: %.0f ms; plain list fill %.0f ms; ratio %.2f\n", fill.ours * 1e3,
                fill.reference * 1e3, fill.ours / fill.reference);
    PrintRatioRow("list: fill 10,000 rows vs plain list", fill.ours, fill.reference, "ms", 1.2);
    const char* const names[] = {"Termin", "jaehrl.", "Beschreibung"};
    for (int column = 0; column < 3; ++column) {
        const CPair ascending = Interleaved(
            [&] {
                dialog.list.SetSortColumn((column + 1) % 3, false);
                dialog.list.Sort(column);
            },
            referenceSort);
        const double reversed = TimeOnce([&] {
            dialog.list.SetSortColumn(column, false);
            dialog.list.Sort(-1);
            dialog.list.SetSortColumn(column, true);
            dialog.list.Sort(-1);
        }) / 2;
        std::printf("  sort by column %d \"%s\": %.0f ms, reversed %.0f ms; plain list sort %.0f ms; ratio %.2f\n",
                    column, names[column], ascending.ours * 1e3, reversed * 1e3, ascending.reference * 1e3,
                    ascending.ours / ascending.reference);
        PrintRatioRow(std::string("list: sort by \"") + names[column] + "\" vs plain list", ascending.ours,
                      ascending.reference, "ms", 10.0);
    }
    // What every message to a bound control pays for its subclass. Short batches, interleaved
    // and many, so a busy machine hits both sides alike.
    const HWND bound = dialog.list.Handle();
    const HWND plain = reference.Handle();
    const auto batch = [](HWND list) {
        for (int i = 0; i < kAppointments; ++i)
            SendMessageA(list, LVM_GETITEMCOUNT, 0, 0);
    };
    const CPair messages = Interleaved([&] { batch(bound); }, [&] { batch(plain); }, kMessageRuns);
    const double boundMessages = messages.ours;
    const double plainMessages = messages.reference;
    std::printf("  one message to the bound list %.1f us, to the plain one %.1f us\n",
                boundMessages * 1e6 / kAppointments, plainMessages * 1e6 / kAppointments);
    PrintRatioRow("message to a bound list vs plain list", boundMessages / kAppointments,
                  plainMessages / kAppointments, "us", 2.0);

    // The About dialog with as many appointments: from Create until its list is filled and sorted.
    const CPair infoOpen = Interleaved(
        [&] {
            CInfoProbe info(services, dialog.Handle(), host.Now());
            info.Termine() = termine;
            const double start = QpcSeconds();
            failed |= !info.Create(dialog.Handle()) || ListView_GetItemCount(info.GetDlgItem(IDC_LIST)) != kAppointments;
            return QpcSeconds() - start;
        },
        referenceFill);
    CInfoListHost infoList;
    failed |= !infoList.Create(nullptr);
    CPair infoFill{};
    if (!failed) {
        infoList.list.InitList(&termine, host);
        infoFill = Interleaved([&] { infoList.list.Refill(host.Now()); }, referenceFill);
        failed |= infoList.list.GetItemCount() != kAppointments;
    }
    if (failed) {
        std::fprintf(stderr, "termine: the About dialog did not open with every appointment\n");
        return 1;
    }
    std::printf("About list alone with %d appointments: fills in %.0f ms; plain list fill %.0f ms; ratio %.2f\n",
                kAppointments, infoFill.ours * 1e3, infoFill.reference * 1e3, infoFill.ours / infoFill.reference);
    PrintRatioRow("About: list fill 10,000 vs plain list fill", infoFill.ours, infoFill.reference, "ms", 1.2);
    std::printf("About dialog with %d appointments: opens in %.0f ms; plain list fill %.0f ms; ratio %.2f\n",
                kAppointments, infoOpen.ours * 1e3, infoOpen.reference * 1e3, infoOpen.ours / infoOpen.reference);
    PrintRatioRow("About: open with 10,000 vs plain list fill", infoOpen.ours, infoOpen.reference, "ms", 1.2);
    DestroyWindow(plainParent);
    return 0;
}
