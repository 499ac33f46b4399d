#include "adapters/win32/win32_window_system.h"

#include <windows.h>

namespace kalvori {
namespace {

HWND AsHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
WindowHandle AsHandle(HWND window) { return reinterpret_cast<WindowHandle>(window); }

bool BelongsToThisThread(HWND window) {
  return GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
}

}  // namespace

WindowHandle Win32WindowSystem::ForegroundWindow() { return AsHandle(GetForegroundWindow()); }

WindowHandle Win32WindowSystem::FirstTopLevelWindow() {
  return AsHandle(FindWindowA(nullptr, nullptr));
}

WindowHandle Win32WindowSystem::NextWindow(WindowHandle window) {
  return AsHandle(GetWindow(AsHwnd(window), GW_HWNDNEXT));
}

bool Win32WindowSystem::IsVisible(WindowHandle window) {
  return IsWindowVisible(AsHwnd(window)) != FALSE;
}

bool Win32WindowSystem::HasOwnerOrParent(WindowHandle window) {
  return GetParent(AsHwnd(window)) != nullptr;
}

bool Win32WindowSystem::Exists(WindowHandle window) { return IsWindow(AsHwnd(window)) != FALSE; }

void Win32WindowSystem::ClassName(WindowHandle window, char* buffer, int size) {
  GetClassNameA(AsHwnd(window), buffer, size);
}

// GetWindowTextA reads another process's title without asking it, but asks
// another thread of this process with WM_GETTEXT and waits as long as that
// thread takes; such a window gets the same timeout as a title write.
int Win32WindowSystem::WindowText(WindowHandle window, char* buffer, int size) {
  const HWND hwnd = AsHwnd(window);
  DWORD process = 0;
  const DWORD thread = GetWindowThreadProcessId(hwnd, &process);
  if (process != GetCurrentProcessId() || thread == GetCurrentThreadId() || size <= 0) {
    return GetWindowTextA(hwnd, buffer, size);
  }
  buffer[0] = '\0';
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutA(hwnd, WM_GETTEXT, static_cast<WPARAM>(size),
                           reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG | SMTO_NORMAL,
                           kAnswerTimeoutMs, &copied)) {
    return -1;
  }
  buffer[size - 1] = '\0';
  return static_cast<int>(copied);
}

int Win32WindowSystem::WindowTextLength(WindowHandle window) {
  const HWND hwnd = AsHwnd(window);
  if (BelongsToThisThread(hwnd)) return GetWindowTextLengthA(hwnd);
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG | SMTO_NORMAL,
                           kAnswerTimeoutMs, &length)) {
    return -1;
  }
  return static_cast<int>(length);
}

WriteResult Win32WindowSystem::WriteWindowText(WindowHandle window, const char* text) {
  const HWND hwnd = AsHwnd(window);
  if (BelongsToThisThread(hwnd)) {
    SetWindowTextA(hwnd, text);
    return WriteResult::kDone;
  }
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text),
                           SMTO_ABORTIFHUNG | SMTO_NORMAL, kAnswerTimeoutMs, &result)) {
    // A window that was destroyed meanwhile is not hung; only a timeout is.
    return IsWindow(hwnd) ? WriteResult::kTimedOut : WriteResult::kDone;
  }
  return WriteResult::kDone;
}

std::uint64_t Win32WindowSystem::TickCount() { return GetTickCount64(); }

}  // namespace kalvori
