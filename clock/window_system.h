// The window system as the stamping pass sees it: the top-level windows in
// Z order, their titles, and a clock for leaving hung windows alone.
#pragma once

#include <cstdint>

namespace kalvori {

using WindowHandle = std::uintptr_t;  // 0: no window

enum class WriteResult { kDone, kTimedOut };

class WindowSystem {
 public:
  virtual ~WindowSystem() = default;
  virtual WindowHandle ForegroundWindow() = 0;               // GetForegroundWindow
  virtual WindowHandle FirstTopLevelWindow() = 0;            // FindWindowA(NULL, NULL)
  virtual WindowHandle NextWindow(WindowHandle window) = 0;  // GetWindow(GW_HWNDNEXT)
  virtual bool IsVisible(WindowHandle window) = 0;           // IsWindowVisible
  virtual bool HasOwnerOrParent(WindowHandle window) = 0;    // GetParent != 0
  virtual bool Exists(WindowHandle window) = 0;              // IsWindow
  // GetClassNameA / GetWindowTextA into `size` bytes; the text is NUL-terminated.
  virtual void ClassName(WindowHandle window, char* buffer, int size) = 0;
  // The count of characters read, or -1 when the window did not answer in time.
  virtual int WindowText(WindowHandle window, char* buffer, int size) = 0;
  // The title's full length, or -1 when the window does not answer in time.
  virtual int WindowTextLength(WindowHandle window) = 0;
  // Replaces the title; a window of another thread that does not answer
  // within about 100 ms gives kTimedOut.
  virtual WriteResult WriteWindowText(WindowHandle window, const char* text) = 0;
  virtual std::uint64_t TickCount() = 0;  // milliseconds, monotonic
};

}  // namespace kalvori
