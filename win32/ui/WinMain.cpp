// quorlin.exe: the repair dialog, a Windows GUI program.
#include <windows.h>

#include "app/dialog/QuorlinApp.h"
#include "app/ui/EntryValues.h"
#include "win32/ui/Win32Toolkit.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine, int showCommand) {
    Win32Toolkit toolkit;
    return runQuorlin(toolkit, EntryValues{instance, previousInstance, commandLine, showCommand});
}
