// Reading another process's list view through memory allocated in that process.
#include "RemoteList.h"

#include <commctrl.h>

namespace e2e {

namespace {

// Memory in another process, freed again.
class CRemoteMemory {
public:
    CRemoteMemory(HANDLE process, size_t size)
        : m_process(process), m_address(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE))
    {
    }
    CRemoteMemory(const CRemoteMemory&) = delete;
    CRemoteMemory& operator=(const CRemoteMemory&) = delete;
    ~CRemoteMemory()
    {
        if (m_address)
            VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
    }
    char* Address() const { return static_cast<char*>(m_address); }

private:
    HANDLE m_process;
    void* m_address;
};

}  // namespace

std::vector<std::string> ListRows(HWND list, int columns)
{
    std::vector<std::string> rows;
    DWORD processId = 0;
    GetWindowThreadProcessId(list, &processId);
    const HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (!process)
        return rows;
    constexpr size_t kText = 512;
    {
        CRemoteMemory memory(process, sizeof(LVITEMA) + kText);
        if (memory.Address()) {
            char* remoteText = memory.Address() + sizeof(LVITEMA);
            const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
            for (int row = 0; row < count; ++row) {
                std::string line;
                for (int column = 0; column < columns; ++column) {
                    LVITEMA item{};
                    item.iSubItem = column;
                    item.pszText = remoteText;
                    item.cchTextMax = kText;
                    WriteProcessMemory(process, memory.Address(), &item, sizeof(item), nullptr);
                    SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                                 reinterpret_cast<LPARAM>(memory.Address()));
                    char text[kText] = "";
                    ReadProcessMemory(process, remoteText, text, sizeof(text) - 1, nullptr);
                    line += (column ? "|" : "") + std::string(text);
                }
                rows.push_back(line);
            }
        }
    }
    CloseHandle(process);
    return rows;
}

}  // namespace e2e
