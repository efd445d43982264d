// LoadStringA with a buffer that grows until the whole text fits.
#include "platform/ResourceText.h"

#include <windows.h>

#include <vector>

std::string LoadResourceText(int id)
{
    std::vector<char> buffer(1024);
    for (;;) {
        const int length = LoadStringA(GetModuleHandleA(nullptr), static_cast<UINT>(id),
                                       buffer.data(), static_cast<int>(buffer.size()));
        if (length <= 0)
            return {};
        if (static_cast<size_t>(length) + 1 < buffer.size())
            return std::string(buffer.data(), static_cast<size_t>(length));
        buffer.resize(buffer.size() * 2);
    }
}
