// The title stamping pass: puts the current time in front of the foreground
// window's title and takes it off windows that lost the foreground.
//
// The stamper remembers, per window, the exact stamp it last wrote, so that
// it only ever removes its own stamps: a title that happens to begin with "["
// is never cut. A window stamped before the stamper existed (an earlier run)
// is recognised by the shape of the current stamp instead.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "clock/settings.h"
#include "clock/window_system.h"
#include "text/clock_text.h"
#include "text/compiled_format.h"
#include "text/regional_settings.h"
#include "text/text_platform.h"

namespace kalvori {

// Window texts are read with a limit of 255 bytes including the NUL.
constexpr int kWindowTextLimit = 255;
// How long a window that did not answer a title write is left alone.
constexpr std::uint64_t kHungWindowRestMs = 10000;

// A window title as read: the first 254 bytes, or the whole of a longer one.
class Title {
 public:
  std::string_view Text() const { return text_; }
  // Reads up to 254 bytes; returns GetWindowTextA's count, -1 on a timeout.
  int ReadFirst(WindowSystem& windows, WindowHandle window);
  bool TimedOut() const { return timedOut_; }
  void Clear() {
    text_ = {};
    timedOut_ = false;
  }
  // After a full first read: the whole title. False when it cannot be had.
  bool ReadWhole(WindowSystem& windows, WindowHandle window);
  bool MayBeLonger() const { return text_.size() >= kWindowTextLimit - 1; }

 private:
  char first_[kWindowTextLimit];
  std::string whole_;
  std::string_view text_;
  bool timedOut_ = false;
};

class TitleStamper {
 public:
  TitleStamper(WindowSystem& windows, TextPlatform& text, const RegionalSettings& regional,
               const ClockSettings& settings);

  // One pass over all top-level windows. Never throws; when memory runs out
  // the pass ends early and titles stay as they are.
  void StampTitles() noexcept;

  // Takes the remembered stamps off the windows that still carry them.
  void RemoveStamps() noexcept;

  // The stamp for now. May throw std::bad_alloc when the format has to be
  // read anew.
  ClockText FormatStamp();

  // The eligibility rules in order: visible, unowned, class not in the class
  // filter, a title of 2 or more characters, no title filter entry in it.
  bool IsStampCandidate(WindowHandle window, Title& title);

  std::size_t RememberedCount() const { return stamps_.size(); }

 private:
  struct Remembered {
    WindowHandle window;
    ClockText stamp;
  };
  struct Resting {
    WindowHandle window;
    std::uint64_t until;
  };

  const CompiledClockFormat& StampFormat();
  void Pass();
  void StampOne(WindowHandle window, WindowHandle foreground, Title& title);
  std::size_t RecognizedStampLength(WindowHandle window, std::string_view title,
                                    std::string_view stamp) const;
  bool Write(WindowHandle window, const char* text);
  void Rest(WindowHandle window);
  const Remembered* Find(WindowHandle window) const;
  void Remember(WindowHandle window, const ClockText& stamp);
  void Forget(WindowHandle window);
  bool IsResting(WindowHandle window) const;
  void Prune();

  WindowSystem& windows_;
  TextPlatform& text_;
  const RegionalSettings& regional_;
  const ClockSettings& settings_;
  std::vector<Remembered> stamps_;
  std::vector<Resting> resting_;
  std::string scratch_;  // the title being written; keeps its capacity
  // The prefix format, read once and again only when the setting changes.
  std::optional<CompiledClockFormat> stampFormat_;
  std::string stampFormatSource_;
  std::uint64_t now_ = 0;
};

}  // namespace kalvori
