// vorlen_menu_probe.dll: loaded by the driver into a program under test to read its menus there.
#include "MenuProbe.h"

// A thread procedure: the driver starts it in the target process with a ProbeBlock it wrote
// into that process. Answers 0 when the block was filled.
extern "C" __attribute__((dllexport)) DWORD WINAPI VorlenReadMenu(void* block) {
    return vorlen::e2e::ReadMenuIntoBlock(*static_cast<vorlen::e2e::ProbeBlock*>(block)) ? 0 : 1;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
