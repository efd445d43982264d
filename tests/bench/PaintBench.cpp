// Per-paint cost of the timer window's text and surface against a plain copy of a finished bitmap.
// Both run on the same window DC in one process, interleaved, so the ratio holds on any machine.
#include "BenchSupport.h"

#include "app/Win32CoreHost.h"
#include "framework/RegistryProfile.h"
#include "platform/Gdi.h"
#include "platform/Wnd.h"
#include "core/TerminModel.h"
#include "display/TimerDisplay.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kDefaultIterations = 4000;
constexpr int kWarmUp = 50;

void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// One timed step; GdiFlush so that batched drawing is paid inside the measurement.
template <typename Step>
double Time(Step step)
{
    const double start = QpcSeconds();
    step();
    GdiFlush();
    return QpcSeconds() - start;
}

int Fail(const char* what)
{
    std::fprintf(stderr, "paint: %s (error %lu)\n", what, GetLastError());
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    const int iterations = argc > 1 ? std::atoi(argv[1]) : kDefaultIterations;
    if (iterations <= 0)
        return Fail("the iteration count must be positive");

    const CWin32CoreHost host;

    // A settings store of its own, with a few appointments, so the real composition runs.
    const CRegistryTreeGuard registry("ZielmarkBench\\Paint" + std::to_string(GetCurrentProcessId()));
    orv::Windows::CRegistryProfile profile;
    profile.SetPath(registry.Path().c_str());
    CTerminList termine = SampleTermine(host.Now());
    if (!termine.Save(profile, host))
        return Fail("cannot store the sample appointments");

    CWnd window;
    if (!window.CreateEx(CWnd::WindowClass{"ZielmarkBenchPaint"}, WS_EX_TOOLWINDOW, "Zeichnen",
                         WS_POPUP | WS_VISIBLE, 20, 300, 640, 80, nullptr, nullptr))
        return Fail("cannot create the window");
    UpdateWindow(window.Handle());
    PumpMessages();

    const CClientDC dc(window.Handle());
    CTerminModel model(profile, host);
    model.Load();
    if (model.GetTermine().GetSize() != termine.GetSize())
        return Fail("the model did not load the sample appointments");
    CTimerDisplay display(dc.Get());
    const int displayType = CDisplaySet().m_nDisplayType;
    const std::string firstText = model.ComposeText(host.Now(), displayType);
    display.RenderText(firstText);
    if (model.GetDayCount() < 0)
        return Fail("the model shows no appointment");
    const SIZE size = display.GetSurfaceSize();
    if (size.cx <= 1 || size.cy <= 1)
        return Fail("the surface was not sized to the text");

    // The reference: a finished picture of the same size, only copied.
    const CMemoryDC referenceDC(dc.Get());
    const CBitmap referenceBitmap(CreateCompatibleBitmap(dc.Get(), size.cx, size.cy));
    if (!referenceDC.Get() || !referenceBitmap)
        return Fail("cannot create the reference bitmap");
    const CSelection selected(referenceDC.Get(), referenceBitmap.Get());
    display.Blit(referenceDC.Get());

    // What the window does: every tick composes and renders (drawing only what changed), and a
    // paint, which only a changed tick asks for, copies the finished surface.
    const auto tick = [&] { display.RenderText(model.ComposeText(host.Now(), displayType)); };
    const auto paint = [&] { display.Blit(dc.Get()); };
    const auto reference = [&] {
        BitBlt(dc.Get(), 0, 0, size.cx, size.cy, referenceDC.Get(), 0, 0, SRCCOPY);
    };

    for (int i = 0; i < kWarmUp; ++i) {
        Time(tick);
        Time(paint);
        Time(reference);
    }
    std::vector<double> tickTimes, paintTimes, referenceTimes;
    tickTimes.reserve(static_cast<size_t>(iterations));
    paintTimes.reserve(static_cast<size_t>(iterations));
    referenceTimes.reserve(static_cast<size_t>(iterations));
    for (int i = 0; i < iterations; ++i) {
        // Alternate the order so neither side always runs with warm caches.
        tickTimes.push_back(Time(tick));
        if (i % 2 == 0) {
            paintTimes.push_back(Time(paint));
            referenceTimes.push_back(Time(reference));
        } else {
            referenceTimes.push_back(Time(reference));
            paintTimes.push_back(Time(paint));
        }
        if (i % 100 == 99)
            PumpMessages();
    }

    const CTimingSummary zielmark = Summarize(paintTimes);
    const CTimingSummary plain = Summarize(referenceTimes);
    const CTimingSummary ticks = Summarize(tickTimes);
    if (plain.mean <= 0.0 || plain.median <= 0.0)
        return Fail("the reference took no measurable time");
    std::printf("paint: %d iterations, surface %ldx%ld, text \"%s\"\n", iterations, size.cx,
                size.cy, firstText.c_str());
    std::printf("paint: Zielmark tick (compose, render)  mean %8.2f us  median %8.2f us\n",
                ticks.mean * 1e6, ticks.median * 1e6);
    std::printf("paint: Zielmark paint (Blit)            mean %8.2f us  median %8.2f us\n",
                zielmark.mean * 1e6, zielmark.median * 1e6);
    std::printf("paint: reference BitBlt                 mean %8.2f us  median %8.2f us\n",
                plain.mean * 1e6, plain.median * 1e6);
    std::printf("paint: ratio Zielmark/reference         mean %8.2f     median %8.2f\n",
                zielmark.mean / plain.mean, zielmark.median / plain.median);
    PrintRatioRow("paint: one paint (median)", zielmark.median, plain.median, "us", 1.5);
    // The tick runs every 120 ms whether or not it paints; its cost shows in the idle figure.
    std::printf("paint: one tick (median) %.2f us, %.2f times the reference BitBlt\n", ticks.median * 1e6,
                ticks.median / plain.median);
    return 0;
}
