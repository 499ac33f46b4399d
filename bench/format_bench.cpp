// FormatClockText, and the compiled form the stamper renders on every tick,
// against the C library's strftime and std::put_time, each producing the
// same text for the same moment. Ours starts from the date-time value
// (decoding included); the others from a ready struct tm. The entries of one
// format run side by side, so that all of them meet the machine in the same
// state.
#include <benchmark/benchmark.h>

#include <clocale>
#include <ctime>
#include <iomanip>
#include <sstream>
#include <string>

#include "bench/allocation_counter.h"
#include "fakes/fake_text_platform.h"
#include "text/clock_format.h"
#include "text/compiled_format.h"

namespace kalvori {
namespace {

struct Equivalent {
  const char* ours;
  const char* strftime;
};

// The built-in formats that strftime can also write, and a long format.
const Equivalent kFormats[] = {
    {"hh:mm", "%H:%M"},
    {"hh:mm AMPM", "%I:%M %p"},
    {"hh:mm AM/PM", "%I:%M %p"},
    {"hh:mm:ss", "%H:%M:%S"},
    {"hh:mm:ss AMPM", "%I:%M:%S %p"},
    {"hh:mm:ss AM/PM", "%I:%M:%S %p"},
    {"dddd, mmmm dd, yyyy hh:nn:ss AMPM 'week day' ddd mmm yy",
     "%A, %B %d, %Y %I:%M:%S %p week day %a %b %y"},
};

const LocalTimeFields kMoment{2016, 6, 19, 14, 5, 9, 250};

std::tm MomentAsTm() {
  std::tm tm = {};
  tm.tm_year = 2016 - 1900;
  tm.tm_mon = 5;
  tm.tm_mday = 19;
  tm.tm_hour = 14;
  tm.tm_min = 5;
  tm.tm_sec = 9;
  tm.tm_wday = 0;
  tm.tm_yday = 170;
  return tm;
}

RegionalSettings EnglishRegional() {
  RegionalSettings regional;
  regional.format.amText = "AM";
  regional.format.pmText = "PM";
  return regional;
}

// Runs one of our ways of formatting after checking that it writes what
// strftime writes, and counts the heap allocations per call.
template <class Render>
void MeasureOurs(benchmark::State& state, const Equivalent& format, Render render) {
  char expected[256];
  const std::tm tm = MomentAsTm();
  std::strftime(expected, sizeof expected, format.strftime, &tm);
  if (render().View() != expected) {
    state.SkipWithError("not the same text as strftime");
    return;
  }
  const std::size_t allocationsBefore = bench::AllocationCount();
  for (auto _ : state) {
    ClockText text = render();
    benchmark::DoNotOptimize(text);
  }
  state.counters["allocs/call"] =
      benchmark::Counter(static_cast<double>(bench::AllocationCount() - allocationsBefore),
                         benchmark::Counter::kAvgIterations);
  state.SetLabel(format.ours);
}

void BM_FormatClockText(benchmark::State& state, const Equivalent& format) {
  const RegionalSettings regional = EnglishRegional();
  testing::FakeTextPlatform platform;
  const double value = EncodeDateTime(kMoment);
  MeasureOurs(state, format,
              [&] { return FormatClockText(format.ours, value, regional, platform); });
}

// What the stamper does on every tick: the format was read once before.
void BM_CompiledClockFormat(benchmark::State& state, const Equivalent& format) {
  const RegionalSettings regional = EnglishRegional();
  testing::FakeTextPlatform platform;
  const double value = EncodeDateTime(kMoment);
  const CompiledClockFormat compiled(format.ours, regional);
  MeasureOurs(state, format, [&] { return compiled.Render(value, platform); });
}

void BM_Strftime(benchmark::State& state, const Equivalent& format) {
  const std::tm tm = MomentAsTm();
  char text[256];
  for (auto _ : state) {
    benchmark::DoNotOptimize(std::strftime(text, sizeof text, format.strftime, &tm));
    benchmark::ClobberMemory();
  }
  state.SetLabel(format.strftime);
}

// strftime starting, like ours, from a time value: gmtime_r decodes it.
void BM_StrftimeFromTimeValue(benchmark::State& state, const Equivalent& format) {
  const std::time_t value = 1466345109;  // 2016-06-19 14:05:09 UTC
  char text[256];
  for (auto _ : state) {
    std::tm tm;
    gmtime_r(&value, &tm);
    benchmark::DoNotOptimize(std::strftime(text, sizeof text, format.strftime, &tm));
    benchmark::ClobberMemory();
  }
  state.SetLabel(format.strftime);
}

void BM_PutTime(benchmark::State& state, const Equivalent& format) {
  const std::tm tm = MomentAsTm();
  for (auto _ : state) {
    std::ostringstream out;
    out << std::put_time(&tm, format.strftime);
    benchmark::DoNotOptimize(out.str());
  }
  state.SetLabel(format.strftime);
}

bool RegisterFormatBenchmarks() {
  for (std::size_t i = 0; i < sizeof kFormats / sizeof kFormats[0]; ++i) {
    const Equivalent& format = kFormats[i];
    const std::string suffix = "/" + std::to_string(i);
    benchmark::RegisterBenchmark(("FormatClockText" + suffix).c_str(), BM_FormatClockText, format);
    benchmark::RegisterBenchmark(("CompiledClockFormat" + suffix).c_str(), BM_CompiledClockFormat,
                                 format);
    benchmark::RegisterBenchmark(("strftime" + suffix).c_str(), BM_Strftime, format);
    benchmark::RegisterBenchmark(("strftime_after_gmtime" + suffix).c_str(),
                                 BM_StrftimeFromTimeValue, format);
    benchmark::RegisterBenchmark(("put_time" + suffix).c_str(), BM_PutTime, format);
  }
  return true;
}

const bool kRegistered = RegisterFormatBenchmarks();

}  // namespace
}  // namespace kalvori
