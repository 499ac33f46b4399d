// A second process for the Wine tests: one visible top-level window.
//
//   kalvori_wine_helper TITLE [--hang-after MS] [--retitle-every MS] [--lifetime S]
//
// --hang-after stops pumping messages after MS milliseconds (a hung window);
// --retitle-every sets its own title to "TITLE n" every MS milliseconds;
// --crowd N adds N more top-level windows "Crowd i", every tenth visible.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string baseTitle;
int retitles = 0;

LRESULT CALLBACK HelperWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (wParam == 1) {
        for (;;) Sleep(INFINITE);  // hung: never pumps again
      }
      if (wParam == 2) {
        const std::string title = baseTitle + " " + std::to_string(++retitles);
        SetWindowTextA(window, title.c_str());
      }
      if (wParam == 3) PostQuitMessage(0);
      return 0;
    case WM_CLOSE:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  baseTitle = argv[1];
  long hangAfter = 0, retitleEvery = 0, lifetime = 60, crowd = 0;
  for (int i = 2; i + 1 < argc; i += 2) {
    if (!std::strcmp(argv[i], "--hang-after")) hangAfter = std::strtol(argv[i + 1], nullptr, 10);
    if (!std::strcmp(argv[i], "--retitle-every"))
      retitleEvery = std::strtol(argv[i + 1], nullptr, 10);
    if (!std::strcmp(argv[i], "--lifetime")) lifetime = std::strtol(argv[i + 1], nullptr, 10);
    if (!std::strcmp(argv[i], "--crowd")) crowd = std::strtol(argv[i + 1], nullptr, 10);
  }
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = HelperWindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "KalvoriTestHelper";
  RegisterClassA(&windowClass);
  HWND window =
      CreateWindowExA(0, "KalvoriTestHelper", baseTitle.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                      50, 50, 400, 200, nullptr, nullptr, windowClass.hInstance, nullptr);
  for (long i = 0; i < crowd; ++i) {
    const std::string title = "Crowd " + std::to_string(i);
    CreateWindowExA(0, "STATIC", title.c_str(), WS_POPUP | (i % 10 == 0 ? WS_VISIBLE : 0), 0, 0, 10,
                    10, nullptr, nullptr, nullptr, nullptr);
  }
  SetForegroundWindow(window);
  if (hangAfter > 0) SetTimer(window, 1, static_cast<UINT>(hangAfter), nullptr);
  if (retitleEvery > 0) SetTimer(window, 2, static_cast<UINT>(retitleEvery), nullptr);
  SetTimer(window, 3, static_cast<UINT>(lifetime * 1000), nullptr);
  std::printf("%lu\n", static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(window)));
  std::fflush(stdout);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}
