// The timer window's surface draws only what a tick changed and says whether anything did.
#include "display/TimerDisplay.h"
#include "platform/Gdi.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

// What a paint of the display shows now: its surface copied onto a bitmap of the test's own.
class CPainted {
public:
    explicit CPainted(const CTimerDisplay& display)
        : m_screen(nullptr),
          m_dc(m_screen.Get()),
          m_bitmap(CreateCompatibleBitmap(m_screen.Get(), display.GetSurfaceSize().cx,
                                          display.GetSurfaceSize().cy)),
          m_selected(m_dc.Get(), m_bitmap.Get())
    {
        display.Blit(m_dc.Get());
    }
    COLORREF Pixel(int x, int y) const { return GetPixel(m_dc.Get(), x, y); }

private:
    CClientDC m_screen;
    CMemoryDC m_dc;
    CBitmap m_bitmap;
    CSelection m_selected;
};

COLORREF SurfacePixel(const CTimerDisplay& display, int x, int y)
{
    return CPainted(display).Pixel(x, y);
}

CDisplaySet Fading(bool transparent, ColorRef start, ColorRef end)
{
    CDisplaySet set;
    set.m_bTransparent = transparent;
    set.m_crTextColor = 0x00FFFFFF;
    set.m_crBackColor = 0x00000000;
    set.m_crStartColor = start;
    set.m_crEndColor = end;
    set.m_nFadingStep = 150;  // two steps across the range: every step is a new colour
    return set;
}

}  // namespace

TEST(TimerDisplay, RendersOnlyWhatChangedAndSaysSo)
{
    const CClientDC screen(nullptr);
    struct Case {
        const char* name;
        bool transparent;
        ColorRef start, end;
        bool sameTextRenders;  // a tick with the same text draws anew
    };
    const Case cases[] = {
        {"one colour: nothing to redraw", false, 0x00336699, 0x00336699, false},
        {"fading frame: the frame alone", false, 0x000000FF, 0x00FF0000, true},
        {"fading transparent: all of it", true, 0x000000FF, 0x00FF0000, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CTimerDisplay display(screen.Get());
        EXPECT_FALSE(display.IsCurrent());
        display.SetDisplaySet(Fading(c.transparent, c.start, c.end));
        ASSERT_TRUE(display.RenderText("12T 01:02:03 bis Urlaub"));
        EXPECT_TRUE(display.IsCurrent());
        const SIZE size = display.GetSurfaceSize();
        ASSERT_GT(size.cx, 2 * display.Margin());
        const COLORREF frameBefore = SurfacePixel(display, 0, 0);

        EXPECT_EQ(display.RenderText("12T 01:02:03 bis Urlaub"), c.sameTextRenders);
        const COLORREF frameAfter = SurfacePixel(display, 0, 0);
        EXPECT_EQ(frameAfter != frameBefore, c.sameTextRenders);
        if (!c.transparent) {  // the inside keeps the background colour
            EXPECT_EQ(SurfacePixel(display, size.cx / 2, 1 + size.cy - display.Margin()), 0u);
        }

        // A new text is measured and drawn whatever the colour.
        EXPECT_TRUE(display.RenderText("12T 01:02:04 bis Urlaub und noch viel länger"));
        EXPECT_GT(display.GetSurfaceSize().cx, size.cx);
        // New settings make the next rendering draw everything.
        display.SetDisplaySet(Fading(c.transparent, c.start, c.end));
        EXPECT_FALSE(display.IsCurrent());
        EXPECT_TRUE(display.RenderText("12T 01:02:04 bis Urlaub und noch viel länger"));
    }
}

TEST(TimerDisplay, FrameOnlyRepaintLeavesTheTextAsFullRenderingDraws)
{
    const CClientDC screen(nullptr);
    CTimerDisplay stepped(screen.Get());
    CTimerDisplay fresh(screen.Get());
    const CDisplaySet set = Fading(false, 0x000000FF, 0x00FF0000);
    stepped.SetDisplaySet(set);
    fresh.SetDisplaySet(set);
    // Two ticks with one text (the second repaints only the frame) against one full rendering
    // of the same text at the same fading step.
    ASSERT_TRUE(stepped.RenderText("3T 04:05:06 bis Feierabend"));
    ASSERT_TRUE(stepped.RenderText("3T 04:05:06 bis Feierabend"));
    ASSERT_TRUE(fresh.RenderText("0"));
    ASSERT_TRUE(fresh.RenderText("3T 04:05:06 bis Feierabend"));
    const SIZE size = stepped.GetSurfaceSize();
    ASSERT_EQ(size.cx, fresh.GetSurfaceSize().cx);
    ASSERT_EQ(size.cy, fresh.GetSurfaceSize().cy);
    const CPainted steppedPaint(stepped);
    const CPainted freshPaint(fresh);
    for (int y = 0; y < size.cy; ++y)
        for (int x = 0; x < size.cx; ++x)
            ASSERT_EQ(steppedPaint.Pixel(x, y), freshPaint.Pixel(x, y)) << x << "," << y;
}
