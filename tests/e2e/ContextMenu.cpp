// Opening, reading and choosing from the timer window's pop-up menu.
#include "ContextMenu.h"

#include "ScreenCapture.h"
#include "UserInput.h"

#include <algorithm>
#include <cstdlib>
#include <map>

namespace e2e {

namespace {

// The pop-up's 3D border has dark lines; they are not text.
constexpr int kBorder = 3;
// Ink rows closer than this belong to one item (the mnemonic underline may stand apart).
constexpr int kMaxGapInItem = 2;
constexpr size_t kTextItems = 8;

int Luminance(COLORREF color)
{
    return (GetRValue(color) * 30 + GetGValue(color) * 59 + GetBValue(color) * 11) / 100;
}

// The colour most pixels of a row inside the border have: the item's background, which is the
// highlight colour for the item under the cursor.
COLORREF RowBackground(const ScreenImage& image, int y)
{
    std::map<COLORREF, int> counts;
    for (int x = kBorder; x < image.Width() - kBorder; ++x)
        ++counts[image.At(x, y)];
    return std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
               return a.second < b.second;
           })->first;
}

// The leftmost column of a row inside the border that stands out from the row's background as
// text does (separator lines do not), or -1.
int LeftInk(const ScreenImage& image, int y)
{
    const int background = Luminance(RowBackground(image, y));
    for (int x = kBorder; x < image.Width() - kBorder; ++x) {
        if (std::abs(Luminance(image.At(x, y)) - background) > 100)
            return x;
    }
    return -1;
}

}  // namespace

std::vector<TextBand> FindTextBands(const ScreenImage& image)
{
    std::vector<TextBand> bands;
    int lastInkRow = -1000;
    for (int y = kBorder; y < image.Height() - kBorder; ++y) {
        const int left = LeftInk(image, y);
        if (left < 0)
            continue;
        if (!bands.empty() && y - lastInkRow <= kMaxGapInItem + 1) {
            TextBand& band = bands.back();
            band.bottom = y;
            band.left = std::min(band.left, left);
        } else {
            bands.push_back(TextBand{y, y, left});
        }
        lastInkRow = y;
    }
    return bands;
}

bool ReadOptionChecks(const ScreenImage& image, OptionChecks& checks)
{
    const std::vector<TextBand> bands = FindTextBands(image);
    if (bands.size() != kTextItems)
        return false;
    int textColumn = image.Width();
    for (size_t i = 3; i < bands.size(); ++i)
        textColumn = std::min(textColumn, bands[i].left);
    // A check mark is ink clearly left of the text column.
    const auto checked = [&](const TextBand& band) { return band.left < textColumn - 1; };
    checks.taskbarIcon = checked(bands[0]);
    checks.alwaysOnTop = checked(bands[1]);
    checks.border = checked(bands[2]);
    return true;
}

bool ReadMenuChecks(HWND menu, OptionChecks& checks)
{
    // The pop-up may show before it has painted its items: wait for two equal readings.
    OptionChecks previous;
    bool havePrevious = false;
    return WaitUntil([&] {
        OptionChecks current;
        const ScreenImage img = ScreenImage::Capture(WindowRect(menu));
        if (!ReadOptionChecks(img, current))
            return false;
        const bool same = havePrevious && current.taskbarIcon == previous.taskbarIcon &&
                          current.alwaysOnTop == previous.alwaysOnTop &&
                          current.border == previous.border;
        previous = current;
        havePrevious = true;
        checks = current;
        return same;
    }, 3000);
}

HWND OpenContextMenu(ProgramRun& run, HWND timer)
{
    // Two right-clicks at nearly the same place within the double-click time make a
    // double-click, which opens no menu: every other click goes a little to the side.
    // A click that a busy machine loses (the shell was still adding the tray icon, say) is
    // repeated, as a person would.
    static int clicks = 0;
    HWND menu = nullptr;
    for (int attempt = 0; attempt < 2 && !menu; ++attempt) {
        const int aside = (clicks++ % 2) * (GetSystemMetrics(SM_CXDOUBLECLK) + 2);
        const POINT center = CenterOf(WindowRect(timer));
        PressButtonAt(POINT{center.x + aside, center.y}, Button::Right);
        menu = run.WaitForWindowOf("#32768", nullptr, 3000);
        ReleaseButton(Button::Right);
    }
    return menu;
}

bool ChooseMenuItem(ProgramRun& run, char mnemonic)
{
    HWND menu = run.FindWindowOf("#32768");
    if (!menu)
        return false;
    const DWORD thread = GetWindowThreadProcessId(menu, nullptr);
    PressKey(static_cast<WORD>(mnemonic));
    return WaitUntil([&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        return run.FindWindowOf("#32768") == nullptr && GetGUIThreadInfo(thread, &info) &&
               !(info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE));
    }, 3000);
}

HWND OpenInfo(ProgramRun& run, HWND timer)
{
    if (!OpenContextMenu(run, timer) || !ChooseMenuItem(run, 'N'))
        return nullptr;
    return run.WaitForWindowOf("#32770", timer, 5000);
}

}  // namespace e2e
