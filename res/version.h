// The program's version, used by the version resource and by the release name.
#pragma once
#define ZM_VERSION_MAJOR 1
#define ZM_VERSION_MINOR 0
#define ZM_VERSION_REVISION 0
#define ZM_VERSION_BUILD 1
#define ZM_VERSION_TEXT "1.0.0.1"
