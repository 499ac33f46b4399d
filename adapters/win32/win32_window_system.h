// Binds the stamping pass to user32. Title writes to windows of other
// threads, and title reads from other threads of this process, go through
// SendMessageTimeoutA, so a hung window costs the host's thread at most
// kAnswerTimeoutMs.
#pragma once

#include "clock/window_system.h"

namespace kalvori {

constexpr unsigned kAnswerTimeoutMs = 100;

class Win32WindowSystem : public WindowSystem {
 public:
  WindowHandle ForegroundWindow() override;
  WindowHandle FirstTopLevelWindow() override;
  WindowHandle NextWindow(WindowHandle window) override;
  bool IsVisible(WindowHandle window) override;
  bool HasOwnerOrParent(WindowHandle window) override;
  bool Exists(WindowHandle window) override;
  void ClassName(WindowHandle window, char* buffer, int size) override;
  int WindowText(WindowHandle window, char* buffer, int size) override;
  int WindowTextLength(WindowHandle window) override;
  WriteResult WriteWindowText(WindowHandle window, const char* text) override;
  std::uint64_t TickCount() override;
};

}  // namespace kalvori
