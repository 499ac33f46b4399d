// Top-level windows in Z order, with a log of every title write.
#pragma once

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "clock/window_system.h"

namespace kalvori::testing {

struct FakeWindow {
  WindowHandle handle;
  std::string title;
  std::string className = "Notepad";
  bool visible = true;
  bool owned = false;
  bool hung = false;       // takes no title write in time
  bool hungReads = false;  // answers no title read in time (a thread of the host process)
};

class FakeWindowSystem : public WindowSystem {
 public:
  WindowHandle ForegroundWindow() override { return foreground; }
  WindowHandle FirstTopLevelWindow() override { return zOrder.empty() ? 0 : zOrder[0].handle; }
  WindowHandle NextWindow(WindowHandle window) override {
    auto it = Locate(window);
    if (it == zOrder.end() || it + 1 == zOrder.end()) return 0;
    if (onNextWindow) onNextWindow(window);
    it = Locate(window);
    return (it == zOrder.end() || it + 1 == zOrder.end()) ? 0 : (it + 1)->handle;
  }
  bool IsVisible(WindowHandle window) override {
    auto it = Locate(window);
    return it != zOrder.end() && it->visible;
  }
  bool HasOwnerOrParent(WindowHandle window) override {
    auto it = Locate(window);
    return it != zOrder.end() && it->owned;
  }
  bool Exists(WindowHandle window) override { return Locate(window) != zOrder.end(); }
  void ClassName(WindowHandle window, char* buffer, int size) override {
    auto it = Locate(window);
    CopyOut(it == zOrder.end() ? std::string() : it->className, buffer, size);
  }
  int WindowText(WindowHandle window, char* buffer, int size) override {
    ++textReads;
    auto it = Locate(window);
    if (it != zOrder.end() && it->hungReads) return -1;
    return CopyOut(it == zOrder.end() ? std::string() : it->title, buffer, size);
  }
  int WindowTextLength(WindowHandle window) override {
    auto it = Locate(window);
    if (it == zOrder.end()) return 0;
    return it->hung ? -1 : static_cast<int>(it->title.size());
  }
  WriteResult WriteWindowText(WindowHandle window, const char* text) override {
    writes.emplace_back(window, text);
    auto it = Locate(window);
    if (it == zOrder.end()) return WriteResult::kDone;
    if (it->hung) return WriteResult::kTimedOut;
    it->title = text;
    return WriteResult::kDone;
  }
  std::uint64_t TickCount() override { return tick; }

  FakeWindow& Window(WindowHandle window) { return *Locate(window); }
  const std::string& TitleOf(WindowHandle window) { return Locate(window)->title; }

  std::vector<FakeWindow> zOrder;
  WindowHandle foreground = 0;
  std::vector<std::pair<WindowHandle, std::string>> writes;
  std::uint64_t tick = 1000;
  int textReads = 0;
  std::function<void(WindowHandle)> onNextWindow;

 private:
  std::vector<FakeWindow>::iterator Locate(WindowHandle window) {
    return std::find_if(zOrder.begin(), zOrder.end(),
                        [window](const FakeWindow& w) { return w.handle == window; });
  }
  static int CopyOut(const std::string& text, char* buffer, int size) {
    if (size <= 0) return 0;
    const int count = std::min(static_cast<int>(text.size()), size - 1);
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return count;
  }
};

}  // namespace kalvori::testing
