// Texts of a list view in the program's process: the request and its text buffer must live in
// that process, so they are placed there and read back.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// The cell texts of every row of a list view of another process, columns separated by "|".
std::vector<std::string> ListRows(HWND list, int columns);

}  // namespace e2e
