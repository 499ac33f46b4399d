#include "wine/wine_support.h"

#include <cstdio>
#include <vector>

namespace kalvori::wine_testing {

std::string BuildFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of("\\/"));
}

std::string PluginPath() { return BuildFolder() + "\\Kalvori.plg"; }

void PumpMessages(DWORD ms) {
  PumpUntil([] { return false; }, ms);
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  for (;;) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    if (condition()) return true;
    if (GetTickCount64() >= end) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

std::string TitleOf(HWND window) {
  const int length = GetWindowTextLengthA(window);
  std::string title(static_cast<std::size_t>(length) + 1, '\0');
  const int read = GetWindowTextA(window, &title[0], length + 1);
  title.resize(read > 0 ? static_cast<std::size_t>(read) : 0);
  return title;
}

TestWindow::TestWindow(const std::string& title, const char* className) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = className;
  RegisterClassA(&windowClass);  // fails harmlessly when already registered
  window_ = CreateWindowExA(0, className, title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
                            300, 150, nullptr, nullptr, windowClass.hInstance, nullptr);
  PumpMessages(50);
}

TestWindow::~TestWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
}

void TestWindow::BringToFront() const {
  SetForegroundWindow(window_);
  PumpUntil([this] { return GetForegroundWindow() == window_; }, 2000);
}

ChildProcess::ChildProcess(const std::string& commandLine, bool captureOutput) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  HANDLE writeEnd = nullptr;
  if (captureOutput) {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    CreatePipe(&output_, &writeEnd, &inherit, 0);
    SetHandleInformation(output_, HANDLE_FLAG_INHERIT, 0);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  }
  PROCESS_INFORMATION info = {};
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, captureOutput, 0, nullptr, nullptr,
                     &startup, &info)) {
    process_ = info.hProcess;
    CloseHandle(info.hThread);
  }
  if (writeEnd != nullptr) CloseHandle(writeEnd);
}

ChildProcess::~ChildProcess() {
  if (process_ != nullptr) {
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 5000);
    CloseHandle(process_);
  }
  if (output_ != nullptr) CloseHandle(output_);
}

std::string ChildProcess::WaitForOutput(DWORD timeoutMs) {
  std::string text;
  if (output_ != nullptr) {
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(output_, buffer, sizeof buffer, &read, nullptr) && read > 0) {
      text.append(buffer, read);
    }
  }
  if (process_ != nullptr) WaitForSingleObject(process_, timeoutMs);
  return text;
}

DWORD ChildProcess::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (process_ != nullptr) GetExitCodeProcess(process_, &code);
  return code;
}

HWND WaitForWindow(const std::string& title, DWORD timeoutMs) {
  HWND found = nullptr;
  PumpUntil(
      [&] {
        found = FindWindowA(nullptr, title.c_str());
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

SIZE_T CommittedPrivateBytes() {
  SIZE_T total = 0;
  MEMORY_BASIC_INFORMATION region;
  for (const char* address = nullptr; VirtualQuery(address, &region, sizeof region) != 0;) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
    const char* next = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
    if (next <= address) break;
    address = next;
  }
  return total;
}

std::string WriteFile(const std::string& name, const std::string& content) {
  const std::string path = BuildFolder() + "\\" + name;
  if (FILE* file = std::fopen(path.c_str(), "wb")) {
    std::fwrite(content.data(), 1, content.size(), file);
    std::fclose(file);
  }
  return path;
}

}  // namespace kalvori::wine_testing
