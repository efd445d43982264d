// The program's entry point and its one application object.
#include "app/MainApp.h"

namespace {
CMainApp theApp;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    return theApp.WinMain(instance, showCommand);
}
