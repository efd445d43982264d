// The rows of the settings sheet: a new page is its own files, one row here, its dialog template
// and its help page.
#include "sheet/SettingsPages.h"

#include "sheet/DblClkPropPage.h"
#include "sheet/DisplayPropPage.h"
#include "sheet/TerminePropPage.h"

#include <type_traits>

namespace {

// A page takes what it needs of the services and the profile, in that order.
template <typename Page>
std::unique_ptr<CSettingsPage> MakePage(orv::Windows::CAppServices& services, orv::CProfile& profile)
{
    if constexpr (std::is_constructible_v<Page, orv::Windows::CAppServices&, orv::CProfile&>)
        return std::make_unique<Page>(services, profile);
    else if constexpr (std::is_constructible_v<Page, orv::Windows::CAppServices&>)
        return std::make_unique<Page>(services);
    else
        return std::make_unique<Page>();
}

}  // namespace

const std::vector<CSettingsPageRow>& SettingsPages()
{
    static const std::vector<CSettingsPageRow> rows{
        {&MakePage<CTerminePropPage>, "ref_dlg_termine.html"},
        {&MakePage<CDisplayPropPage>, "ref_dlg_anzeige.html"},
        {&MakePage<CDblClkPropPage>, "ref_dlg_dblclk.html"},
    };
    return rows;
}
