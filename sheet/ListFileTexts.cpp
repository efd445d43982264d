// File-dialog texts of appointment lists, from the string table.
#include "sheet/ListFileTexts.h"

#include "platform/ResourceText.h"
#include "res/resource.h"

CListFileTexts CListFileTexts::Load()
{
    return CListFileTexts{LoadResourceText(IDS_LIST_FILE_FILTER), LoadResourceText(IDS_LIST_FILE_NAME),
                          LoadResourceText(IDS_LIST_FILE_EXT)};
}
