// Stands in for the web browser in the end-to-end tests: the program asks the shell to open a
// help page, the shell starts this, and this notes the address it was given.
#include <windows.h>

#include <cstdio>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    char exe[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string log = exe;
    log = log.substr(0, log.find_last_of('\\') + 1) + "help-requests.txt";
    if (FILE* file = std::fopen(log.c_str(), "a")) {
        std::fprintf(file, "%s\n", commandLine);
        std::fclose(file);
    }
    return 0;
}
