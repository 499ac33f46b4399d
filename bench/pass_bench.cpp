// One stamping pass over 100 and over 2,000 windows, with a window system
// whose calls cost nothing: what remains is the module's own cost.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "bench/allocation_counter.h"
#include "clock/title_stamper.h"
#include "fakes/fake_text_platform.h"

namespace kalvori {
namespace {

// Handles are 1-based indexes; every call is an array access.
class FreeWindowSystem : public WindowSystem {
 public:
  explicit FreeWindowSystem(int count) {
    for (int i = 0; i < count; ++i) titles_.push_back("Window number " + std::to_string(i));
  }
  WindowHandle ForegroundWindow() override { return 1; }
  WindowHandle FirstTopLevelWindow() override { return titles_.empty() ? 0 : 1; }
  WindowHandle NextWindow(WindowHandle w) override { return w < titles_.size() ? w + 1 : 0; }
  bool IsVisible(WindowHandle) override { return true; }
  bool HasOwnerOrParent(WindowHandle) override { return false; }
  bool Exists(WindowHandle w) override { return w >= 1 && w <= titles_.size(); }
  void ClassName(WindowHandle, char* buffer, int) override { std::memcpy(buffer, "Notepad", 8); }
  int WindowText(WindowHandle w, char* buffer, int size) override {
    const std::string& title = titles_[w - 1];
    const int count = std::min<int>(static_cast<int>(title.size()), size - 1);
    std::memcpy(buffer, title.data(), count);
    buffer[count] = '\0';
    return count;
  }
  int WindowTextLength(WindowHandle w) override { return static_cast<int>(titles_[w - 1].size()); }
  WriteResult WriteWindowText(WindowHandle w, const char* text) override {
    titles_[w - 1] = text;
    ++writes;
    return WriteResult::kDone;
  }
  std::uint64_t TickCount() override { return 1000; }
  int writes = 0;

 private:
  std::vector<std::string> titles_;
};

void BM_StampingPass(benchmark::State& state) {
  const int windows = static_cast<int>(state.range(0));
  FreeWindowSystem system(windows);
  testing::FakeTextPlatform platform;
  RegionalSettings regional;
  ClockSettings settings;
  settings.prefixFormat = "[hh:mm:ss] ";
  settings.classFilter = "REDIVIZU,SHELLTRAY_WND,";
  settings.titleFilters = {"Password", "Private"};
  TitleStamper stamper(system, platform, regional, settings);
  stamper.StampTitles();  // the foreground window carries its stamp from here on
  const std::size_t allocationsBefore = bench::AllocationCount();
  for (auto _ : state) stamper.StampTitles();
  state.counters["allocs/pass"] =
      benchmark::Counter(static_cast<double>(bench::AllocationCount() - allocationsBefore),
                         benchmark::Counter::kAvgIterations);
  // Seconds per window, shown by the library as a time per window.
  state.counters["per_window"] = benchmark::Counter(
      static_cast<double>(windows),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

BENCHMARK(BM_StampingPass)->Arg(100)->Arg(2000);

}  // namespace
}  // namespace kalvori

BENCHMARK_MAIN();
