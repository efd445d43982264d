// The templates of the display page, the scheme-save dialog and the double-click page as the
// program file holds them: size, caption, font, style, and the controls in tab order.
#include "res/resource.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Control {
    int id;
    std::string className;  // "Button", "Edit", "Static", "ComboBox" or a registered name
    std::string text;
    DWORD style;
    short x, y, cx, cy;
};

struct Template {
    DWORD style = 0;
    short cx = 0, cy = 0;
    std::string caption;
    WORD pointSize = 0;
    std::string font;
    std::vector<Control> controls;
};

class Reader {
public:
    explicit Reader(const BYTE* at) : m_at(at) {}
    template <typename T>
    T Take()
    {
        T value{};
        memcpy(&value, m_at, sizeof(T));
        m_at += sizeof(T);
        return value;
    }
    std::string Text()
    {
        std::wstring wide;
        for (WCHAR c = Take<WCHAR>(); c; c = Take<WCHAR>())
            wide += c;
        char ansi[1024] = "";
        WideCharToMultiByte(1252, 0, wide.c_str(), -1, ansi, sizeof(ansi), nullptr, nullptr);
        return ansi;
    }
    // A name or an ordinal (0xFFFF then the number).
    std::string NameOrOrdinal()
    {
        WORD first{};
        memcpy(&first, m_at, sizeof(first));
        if (first == 0xFFFF) {
            Take<WORD>();
            switch (const WORD ordinal = Take<WORD>()) {
            case 0x80: return "Button";
            case 0x81: return "Edit";
            case 0x82: return "Static";
            case 0x85: return "ComboBox";
            default: return "#" + std::to_string(ordinal);
            }
        }
        return Text();
    }
    void AlignToDword()
    {
        while (reinterpret_cast<ULONG_PTR>(m_at) % 4)
            ++m_at;
    }
    void Skip(size_t bytes) { m_at += bytes; }

private:
    const BYTE* m_at;
};

Template LoadTemplate(int id)
{
    Template result;
    const HMODULE module = GetModuleHandleA(nullptr);
    const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));
    if (!found)
        return result;
    Reader reader(static_cast<const BYTE*>(LockResource(LoadResource(module, found))));
    EXPECT_EQ(reader.Take<WORD>(), 1);       // version
    EXPECT_EQ(reader.Take<WORD>(), 0xFFFF);  // extended template
    reader.Skip(8);                          // help id, extended style
    result.style = reader.Take<DWORD>();
    const WORD count = reader.Take<WORD>();
    reader.Skip(4);  // x, y
    result.cx = reader.Take<short>();
    result.cy = reader.Take<short>();
    reader.NameOrOrdinal();  // menu
    reader.NameOrOrdinal();  // class
    result.caption = reader.Text();
    if (result.style & DS_SETFONT) {
        result.pointSize = reader.Take<WORD>();
        reader.Skip(4);  // weight, italic, character set
        result.font = reader.Text();
    }
    for (WORD i = 0; i < count; ++i) {
        reader.AlignToDword();
        reader.Skip(8);  // help id, extended style
        Control control{};
        control.style = reader.Take<DWORD>();
        control.x = reader.Take<short>();
        control.y = reader.Take<short>();
        control.cx = reader.Take<short>();
        control.cy = reader.Take<short>();
        control.id = static_cast<int>(reader.Take<DWORD>());
        control.className = reader.NameOrOrdinal();
        control.text = reader.NameOrOrdinal();
        reader.Skip(reader.Take<WORD>());  // creation data
        result.controls.push_back(control);
    }
    return result;
}

// The ids of the controls that Tab visits, in order.
std::vector<int> TabStops(const Template& dialog)
{
    std::vector<int> ids;
    for (const Control& control : dialog.controls)
        if (control.style & WS_TABSTOP)
            ids.push_back(control.id);
    return ids;
}

const Control* Find(const Template& dialog, int id)
{
    for (const Control& control : dialog.controls)
        if (control.id == id)
            return &control;
    return nullptr;
}

}  // namespace

TEST(DisplayDialogResources, PagesAreChildDialogsOfTheirSizeAndCaption)
{
    for (const auto& [id, caption] : {std::pair<int, const char*>{IDD_DISPLAY_PAGE, "Anzeige"},
                                      {IDD_DBLCLK_PAGE, "Doppel-Klick"}}) {
        const Template page = LoadTemplate(id);
        EXPECT_EQ(page.caption, caption);
        EXPECT_EQ(page.cx, 235);
        EXPECT_EQ(page.cy, 156);
        EXPECT_EQ(page.pointSize, 8);
        EXPECT_EQ(page.font, "MS Sans Serif");
        EXPECT_TRUE(page.style & WS_CHILD) << id;
        EXPECT_TRUE(page.style & DS_CONTROL) << id;
        EXPECT_FALSE(page.style & WS_POPUP) << id;
    }
}

TEST(DisplayDialogResources, DisplayPageHasItsControlsInReadingOrder)
{
    const Template page = LoadTemplate(IDD_DISPLAY_PAGE);
    EXPECT_EQ(TabStops(page), (std::vector<int>{IDC_DISPLAY_TYPE, IDC_TEXT_COLOR, IDC_TRANSPARENT,
                                                IDC_BACK_COLOR, IDC_START_COLOR, IDC_END_COLOR,
                                                IDC_FADING_SPEED, IDC_SCHEMES, IDC_SCHEME_SAVE,
                                                IDC_SCHEME_DELETE}));
    const Control* styles = Find(page, IDC_DISPLAY_TYPE);
    ASSERT_TRUE(styles);
    EXPECT_EQ(styles->style & 3, static_cast<DWORD>(CBS_DROPDOWNLIST));
    EXPECT_FALSE(styles->style & CBS_SORT);
    const Control* schemes = Find(page, IDC_SCHEMES);
    ASSERT_TRUE(schemes);
    EXPECT_EQ(schemes->style & 3, static_cast<DWORD>(CBS_DROPDOWNLIST));
    EXPECT_TRUE(schemes->style & CBS_SORT);
    EXPECT_TRUE(schemes->style & WS_VSCROLL);
    const Control* sample = Find(page, IDC_SAMPLE);
    ASSERT_TRUE(sample);
    EXPECT_EQ(sample->text, "Beispiel");
    EXPECT_EQ(sample->style & SS_TYPEMASK, static_cast<DWORD>(SS_CENTER));
    EXPECT_TRUE(sample->style & SS_CENTERIMAGE);
    EXPECT_TRUE(sample->style & SS_SUNKEN);
    const Control* fading = Find(page, IDC_FADING_SAMPLE);
    ASSERT_TRUE(fading);
    EXPECT_EQ(fading->text, "Fading-Beispiel");
    EXPECT_TRUE(fading->style & SS_SUNKEN);
    const Control* slider = Find(page, IDC_FADING_SPEED);
    ASSERT_TRUE(slider);
    EXPECT_STRCASEEQ(slider->className.c_str(), TRACKBAR_CLASSA);
    EXPECT_TRUE(slider->style & TBS_NOTICKS);
    EXPECT_FALSE(slider->style & TBS_VERT);
    for (const int button : {IDC_TEXT_COLOR, IDC_BACK_COLOR, IDC_START_COLOR, IDC_END_COLOR}) {
        ASSERT_TRUE(Find(page, button));
        EXPECT_EQ(Find(page, button)->text, "X");
    }
    EXPECT_EQ(Find(page, IDC_TRANSPARENT)->style & BS_TYPEMASK, static_cast<DWORD>(BS_AUTOCHECKBOX));
    // Every control lies inside the page.
    for (const Control& control : page.controls) {
        EXPECT_LE(control.x + control.cx, 235) << control.id << " " << control.text;
        if (control.className != "ComboBox") {  // a combo's height is its open list
            EXPECT_LE(control.y + control.cy, 156) << control.id << " " << control.text;
        }
    }
}

TEST(DisplayDialogResources, SchemaSaveDialogHasItsEditAndButtons)
{
    const Template dialog = LoadTemplate(IDD_SCHEMA_SAVE);
    EXPECT_EQ(dialog.caption, "Schema speichern");
    EXPECT_EQ(dialog.cx, 187);
    EXPECT_EQ(dialog.cy, 60);
    EXPECT_EQ(dialog.font, "MS Sans Serif");
    EXPECT_TRUE(dialog.style & WS_POPUP);
    EXPECT_EQ(TabStops(dialog), (std::vector<int>{IDC_SCHEME_NAME, IDOK, IDCANCEL, ID_HELP}));
    EXPECT_TRUE(Find(dialog, IDC_SCHEME_NAME)->style & ES_AUTOHSCROLL);
    EXPECT_TRUE(Find(dialog, IDC_SCHEME_NAME)->style & WS_BORDER);
    EXPECT_EQ(Find(dialog, IDOK)->style & BS_TYPEMASK, static_cast<DWORD>(BS_DEFPUSHBUTTON));
    EXPECT_EQ(Find(dialog, IDCANCEL)->text, "Abbrechen");
    EXPECT_EQ(Find(dialog, ID_HELP)->text, "&Hilfe");
    EXPECT_EQ(dialog.controls.front().text, "Anzeigeschema speichern unter");
}

TEST(DisplayDialogResources, DoubleClickPageHasItsTextAndUnsortedList)
{
    const Template page = LoadTemplate(IDD_DBLCLK_PAGE);
    ASSERT_EQ(page.controls.size(), 2u);
    EXPECT_EQ(page.controls[0].text,
              "W\xE4hlen Sie aus dieser Liste den Men\xFC" "eintrag des Hauptmen\xFCs, der bei einem "
              "Doppelklick auf das Zielmark-Fenster ausgef\xFChrt werden soll:");
    EXPECT_EQ(page.controls[0].cx, 221);
    EXPECT_EQ(page.controls[0].cy, 28);
    const Control& list = page.controls[1];
    EXPECT_EQ(list.id, IDC_DBLCLK_COMMAND);
    EXPECT_EQ(list.style & 3, static_cast<DWORD>(CBS_DROPDOWNLIST));
    EXPECT_FALSE(list.style & CBS_SORT);
    EXPECT_TRUE(list.style & WS_VSCROLL);
}
