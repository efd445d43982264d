// String-table texts of the program (ANSI, the code page of the system).
#pragma once

#include <string>

// The text of a string-table id; empty when the id has none.
std::string LoadResourceText(int id);
