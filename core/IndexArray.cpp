// Sorting of the index array in either direction.
#include "core/IndexArray.h"

#include <algorithm>
#include <functional>

void CIndexArray::Sort()
{
    if (m_bAscending)
        std::sort(m_indices.begin(), m_indices.end());
    else
        std::sort(m_indices.begin(), m_indices.end(), std::greater<int32_t>());
}
