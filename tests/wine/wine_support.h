// Shared helpers for the tests that run under Wine.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace kalvori::wine_testing {

// The folder of the test program, where the built DLLs and tools lie.
std::string BuildFolder();
std::string PluginPath();

// Pumps this thread's messages for about `ms` milliseconds.
void PumpMessages(DWORD ms);

// Pumps until `condition` holds or `timeoutMs` passes; returns the condition.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs);

std::string TitleOf(HWND window);

// A window of this thread, visible and top-level, destroyed on scope exit.
class TestWindow {
 public:
  explicit TestWindow(const std::string& title, const char* className = "KalvoriTestWindow");
  ~TestWindow();
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;
  HWND Handle() const { return window_; }
  void BringToFront() const;

 private:
  HWND window_ = nullptr;
};

// A child process, ended on scope exit.
class ChildProcess {
 public:
  explicit ChildProcess(const std::string& commandLine, bool captureOutput = false);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  bool Started() const { return process_ != nullptr; }
  // Waits for the process to end and returns all it wrote to stdout.
  std::string WaitForOutput(DWORD timeoutMs);
  DWORD ExitCode() const;
  HANDLE Process() const { return process_; }

 private:
  HANDLE process_ = nullptr;
  HANDLE output_ = nullptr;
};

// Finds a top-level window by exact title, pumping while it waits.
HWND WaitForWindow(const std::string& title, DWORD timeoutMs);

// Committed private memory of this process, from its address space (Wine
// reports no PrivateUsage).
SIZE_T CommittedPrivateBytes();

// Writes a text file (an INI configuration) beside the test program.
std::string WriteFile(const std::string& name, const std::string& content);

}  // namespace kalvori::wine_testing
