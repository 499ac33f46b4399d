#include "clock/title_stamper.h"

#include <algorithm>
#include <cstring>

#include "text/clock_format.h"
#include "text/matching.h"

namespace kalvori {
namespace {

bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Whether `title` begins with something shaped like `stamp`: a digit where
// the stamp has one, a letter where it has one, the same byte elsewhere.
bool BeginsWithStampShape(std::string_view title, std::string_view stamp) {
  if (title.size() < stamp.size()) return false;
  for (std::size_t i = 0; i < stamp.size(); ++i) {
    const char s = stamp[i];
    const char t = title[i];
    if (IsAsciiDigit(s) ? !IsAsciiDigit(t) : IsAsciiLetter(s) ? !IsAsciiLetter(t) : t != s) {
      return false;
    }
  }
  return true;
}

}  // namespace

int Title::ReadFirst(WindowSystem& windows, WindowHandle window) {
  first_[0] = '\0';
  const int count = windows.WindowText(window, first_, sizeof first_);
  timedOut_ = count < 0;
  if (timedOut_) first_[0] = '\0';
  first_[sizeof first_ - 1] = '\0';
  text_ = std::string_view(first_, std::strlen(first_));
  return count;
}

bool Title::ReadWhole(WindowSystem& windows, WindowHandle window) {
  const int length = windows.WindowTextLength(window);
  if (length < 0) return false;
  if (static_cast<std::size_t>(length) <= text_.size()) return true;
  whole_.assign(static_cast<std::size_t>(length) + 1, '\0');
  windows.WindowText(window, &whole_[0], length + 1);
  whole_.resize(std::strlen(whole_.c_str()));
  text_ = whole_;
  return true;
}

TitleStamper::TitleStamper(WindowSystem& windows, TextPlatform& text,
                           const RegionalSettings& regional, const ClockSettings& settings)
    : windows_(windows), text_(text), regional_(regional), settings_(settings) {}

ClockText TitleStamper::FormatStamp() {
  return StampFormat().Render(CurrentLocalDateTime(text_), text_);
}

const CompiledClockFormat& TitleStamper::StampFormat() {
  if (!stampFormat_ || stampFormatSource_ != settings_.prefixFormat) {
    stampFormat_.reset();
    stampFormatSource_ = settings_.prefixFormat;
    stampFormat_.emplace(stampFormatSource_, regional_);
  }
  return *stampFormat_;
}

bool TitleStamper::IsStampCandidate(WindowHandle window, Title& title) {
  title.Clear();
  if (!windows_.IsVisible(window)) return false;
  if (windows_.HasOwnerOrParent(window)) return false;
  char className[kWindowTextLimit] = {};
  windows_.ClassName(window, className, sizeof className);
  className[sizeof className - 1] = '\0';
  if (ContainsTextIgnoreCase(settings_.classFilter, className, regional_.codePage, text_)) {
    return false;
  }
  if (title.ReadFirst(windows_, window) < 2) return false;
  for (const std::string& entry : settings_.titleFilters) {
    if (ContainsTextIgnoreCase(title.Text(), entry, regional_.codePage, text_)) return false;
  }
  return true;
}

void TitleStamper::StampTitles() noexcept {
  try {
    Pass();
  } catch (...) {
    // Out of memory: the titles stay as they are until the next pass.
  }
}

void TitleStamper::Pass() {
  now_ = windows_.TickCount();
  Prune();
  const WindowHandle foreground = windows_.ForegroundWindow();
  Title title;
  for (WindowHandle window = windows_.FirstTopLevelWindow(); window != 0;
       window = windows_.NextWindow(window)) {
    if (IsResting(window)) continue;
    if (IsStampCandidate(window, title)) {
      StampOne(window, foreground, title);
    } else if (title.TimedOut()) {
      Rest(window);
    }
  }
}

// At most one write per window: the foreground window gets the fresh stamp
// in front of its title (none when it reads so already); any other window
// that carries a stamp gets its title back without it.
void TitleStamper::StampOne(WindowHandle window, WindowHandle foreground, Title& title) {
  const ClockText stamp = FormatStamp();
  if (title.MayBeLonger() && !title.ReadWhole(windows_, window)) {
    Rest(window);
    return;
  }
  const std::string_view text = title.Text();
  const std::size_t stampLength = RecognizedStampLength(window, text, stamp.View());
  const std::string_view remainder = text.substr(stampLength);

  if (window == foreground) {
    scratch_.assign(stamp.View().data(), stamp.Size());
    scratch_.append(remainder.data(), remainder.size());
    if (scratch_ == text || Write(window, scratch_.c_str())) Remember(window, stamp);
  } else if (stampLength > 0) {
    scratch_.assign(remainder.data(), remainder.size());
    Write(window, scratch_.c_str());
    Forget(window);
  }
}

std::size_t TitleStamper::RecognizedStampLength(WindowHandle window, std::string_view title,
                                                std::string_view stamp) const {
  if (const Remembered* remembered = Find(window)) {
    const std::string_view own = remembered->stamp.View();
    return title.substr(0, own.size()) == own ? own.size() : 0;
  }
  return BeginsWithStampShape(title, stamp) ? stamp.size() : 0;
}

// A window that did not take the write in time is left alone for a while,
// and what its title now holds is unknown: its stamp is forgotten, so that
// it is recognised by shape again later.
bool TitleStamper::Write(WindowHandle window, const char* text) {
  if (windows_.WriteWindowText(window, text) == WriteResult::kDone) return true;
  Forget(window);
  Rest(window);
  return false;
}

void TitleStamper::Rest(WindowHandle window) {
  resting_.push_back({window, now_ + kHungWindowRestMs});
}

void TitleStamper::RemoveStamps() noexcept {
  try {
    now_ = windows_.TickCount();
    Prune();
    Title title;
    for (const Remembered& remembered : std::vector<Remembered>(stamps_)) {
      if (IsResting(remembered.window)) continue;
      title.ReadFirst(windows_, remembered.window);
      if (title.MayBeLonger() && !title.ReadWhole(windows_, remembered.window)) continue;
      const std::string_view own = remembered.stamp.View();
      if (title.Text().substr(0, own.size()) == own) {
        scratch_.assign(title.Text().substr(own.size()));
        Write(remembered.window, scratch_.c_str());
      }
    }
  } catch (...) {
    // Out of memory: the stamps stay.
  }
  stamps_.clear();
}

const TitleStamper::Remembered* TitleStamper::Find(WindowHandle window) const {
  for (const Remembered& remembered : stamps_) {
    if (remembered.window == window) return &remembered;
  }
  return nullptr;
}

void TitleStamper::Remember(WindowHandle window, const ClockText& stamp) {
  for (Remembered& remembered : stamps_) {
    if (remembered.window == window) {
      remembered.stamp = stamp;
      return;
    }
  }
  stamps_.push_back({window, stamp});
}

void TitleStamper::Forget(WindowHandle window) {
  stamps_.erase(std::remove_if(stamps_.begin(), stamps_.end(),
                               [window](const Remembered& r) { return r.window == window; }),
                stamps_.end());
}

bool TitleStamper::IsResting(WindowHandle window) const {
  for (const Resting& resting : resting_) {
    if (resting.window == window && now_ < resting.until) return true;
  }
  return false;
}

// Windows that no longer exist leave the table; rests that are over end.
void TitleStamper::Prune() {
  stamps_.erase(std::remove_if(stamps_.begin(), stamps_.end(),
                               [this](const Remembered& r) { return !windows_.Exists(r.window); }),
                stamps_.end());
  resting_.erase(std::remove_if(resting_.begin(), resting_.end(),
                                [this](const Resting& r) { return now_ >= r.until; }),
                 resting_.end());
}

}  // namespace kalvori
