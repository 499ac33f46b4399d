// GoogleTest copies every failure and skip to OutputDebugStringA, which
// Wine implements by raising a debug-print exception. Where Wine runs 32-bit
// code under user-mode emulation (qemu-i386, on kernels without 32-bit
// support), that exception dispatch can take the whole test process down,
// so the test program resolves the import to a function that does nothing.
// The results still reach stdout and the XML report.
#include <windows.h>

extern "C" void __stdcall KalvoriQuietDebugOutput(const char*) {}

extern "C" {
// The import slot that calls through __declspec(dllimport) read.
void(__stdcall* kalvoriQuietDebugOutputSlot)(const char*) __asm__("__imp__OutputDebugStringA@4") =
    KalvoriQuietDebugOutput;
}
