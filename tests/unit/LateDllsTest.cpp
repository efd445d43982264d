// System DLLs loaded at the first call: a call reaches the DLL, a missing one is a failure.
#include "platform/LateDlls.h"

#include <gtest/gtest.h>

#include <vector>

namespace late = orv::late;

TEST(LateDlls, MissingDllOrExportIsNullWithTheReason)
{
    struct Case {
        const char* dll;
        const char* name;
        DWORD error;
    };
    const Case cases[] = {
        {"zielmark-missing.dll", "Anything", ERROR_MOD_NOT_FOUND},
        {"shell32.dll", "Shell_NotifyIconMissing", ERROR_PROC_NOT_FOUND},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetLastError(0);
        EXPECT_EQ(late::FindExport(c.dll, c.name), nullptr);
        EXPECT_EQ(GetLastError(), c.error);
    }
}

TEST(LateDlls, EachDllIsLoadedByItsFirstCallAndAnswers)
{
    // The test program imports some of these itself; what counts is that the call gets through.
    const INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_DATE_CLASSES};
    EXPECT_TRUE(late::InitCommonControlsEx(&classes));
    EXPECT_NE(GetModuleHandleA("comctl32.dll"), nullptr);

    char self[MAX_PATH] = "";
    ASSERT_NE(GetModuleFileNameA(nullptr, self, MAX_PATH), 0u);
    DWORD handle = 0;
    const DWORD size = late::GetFileVersionInfoSizeA(self, &handle);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> block(size);
    ASSERT_TRUE(late::GetFileVersionInfoA(self, 0, size, block.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(late::VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);

    // 1 January 2000 and back, through the locale's own date text.
    BSTR text = nullptr;
    ASSERT_EQ(late::VarBstrFromDate(36526.0, LOCALE_USER_DEFAULT, 0, &text), S_OK);
    DATE date = 0;
    EXPECT_EQ(late::VarDateFromStr(text, LOCALE_USER_DEFAULT, 0, &date), S_OK);
    EXPECT_EQ(date, 36526.0);
    late::SysFreeString(text);
    late::SysFreeString(nullptr);

    // Nothing ran, so the dialog library has no error to report.
    EXPECT_EQ(late::CommDlgExtendedError(), 0u);
    char program[MAX_PATH] = "";
    const auto found = reinterpret_cast<INT_PTR>(late::FindExecutableA("zielmark-missing.txt", nullptr, program));
    EXPECT_LE(found, 32);  // a file that is not there has no program
}
