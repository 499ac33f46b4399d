#include "clock/title_stamper.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/fake_text_platform.h"
#include "fakes/fake_window_system.h"

namespace kalvori {
namespace {

using ::testing::ElementsAre;
using testing::FakeTextPlatform;
using testing::FakeWindow;
using testing::FakeWindowSystem;
using ::testing::IsEmpty;
using ::testing::Pair;

constexpr WindowHandle kEditor = 0x10;
constexpr WindowHandle kMail = 0x20;
constexpr WindowHandle kOther = 0x30;

class TitleStamperTest : public ::testing::Test {
 protected:
  TitleStamperTest() {
    settings_.prefixFormat = "[hh:mm] ";
    settings_.classFilter = "REDIVIZU,SHELLTRAY_WND,";
    platform_.SetNow({2016, 6, 19, 14, 5, 9, 250});
  }

  void Add(WindowHandle handle, std::string title) {
    FakeWindow window;
    window.handle = handle;
    window.title = std::move(title);
    windows_.zOrder.push_back(window);
  }

  // One pass on a fresh log.
  void Pass() {
    windows_.writes.clear();
    stamper_.StampTitles();
  }

  FakeWindowSystem windows_;
  FakeTextPlatform platform_;
  RegionalSettings regional_;
  ClockSettings settings_;
  TitleStamper stamper_{windows_, platform_, regional_, settings_};
};

TEST_F(TitleStamperTest, ForegroundIsStampedAndRestoredWhenItLosesTheForeground) {
  Add(kEditor, "Untitled - Editor");
  Add(kMail, "Inbox");
  windows_.foreground = kEditor;
  Pass();
  EXPECT_THAT(windows_.writes, ElementsAre(Pair(kEditor, "[14:05] Untitled - Editor")));

  Pass();  // the same minute: nothing to write
  EXPECT_THAT(windows_.writes, IsEmpty());

  platform_.Advance(60000);
  Pass();
  EXPECT_THAT(windows_.writes, ElementsAre(Pair(kEditor, "[14:06] Untitled - Editor")));

  windows_.foreground = kMail;
  Pass();
  EXPECT_THAT(windows_.writes,
              ElementsAre(Pair(kEditor, "Untitled - Editor"), Pair(kMail, "[14:06] Inbox")));
  EXPECT_EQ(stamper_.RememberedCount(), 1u);
}

TEST_F(TitleStamperTest, TitlesThatOnlyLookBracketedAreNeverCut) {
  struct Case {
    const char* title;
    bool foreground;
    std::vector<std::string> writes;
  } cases[] = {
      {"[Untitled] - Editor", false, {}},
      {"[1] Inbox", false, {}},
      {"[", false, {}},
      {"[9:41] Mail", false, {}},  // not the shape of "[hh:mm] "
      {"[1] Inbox", true, {"[14:05] [1] Inbox"}},
      {"[Untitled] - Editor", true, {"[14:05] [Untitled] - Editor"}},
  };
  for (const auto& c : cases) {
    FakeWindowSystem windows;
    TitleStamper stamper(windows, platform_, regional_, settings_);
    windows.zOrder.push_back({kEditor, c.title});
    windows.foreground = c.foreground ? kEditor : 0;
    stamper.StampTitles();
    std::vector<std::string> writes;
    for (const auto& write : windows.writes) writes.push_back(write.second);
    EXPECT_EQ(writes, c.writes) << c.title;
  }
}

TEST_F(TitleStamperTest, AStaleStampOfAnEarlierRunIsRecognisedByItsShape) {
  Add(kEditor, "[09:41] Untitled - Editor");
  Add(kMail, "[23:59] Inbox");
  windows_.foreground = kMail;
  Pass();
  EXPECT_THAT(windows_.writes,
              ElementsAre(Pair(kEditor, "Untitled - Editor"), Pair(kMail, "[14:05] Inbox")));
}

TEST_F(TitleStamperTest, AStampWhoseLengthChangedIsRemovedWhole) {
  settings_.prefixFormat = "[h:nn] ";
  platform_.SetNow({2016, 6, 19, 9, 59, 30, 0});
  Add(kEditor, "Report");
  Add(kMail, "Inbox");
  windows_.foreground = kEditor;
  Pass();
  ASSERT_EQ(windows_.TitleOf(kEditor), "[9:59] Report");

  platform_.Advance(60000);  // 10:00: the stamp grows by one character
  Pass();
  EXPECT_THAT(windows_.writes, ElementsAre(Pair(kEditor, "[10:00] Report")));

  windows_.foreground = kMail;
  settings_.prefixFormat = "[h] ";  // and shrinks
  Pass();
  EXPECT_THAT(windows_.writes, ElementsAre(Pair(kEditor, "Report"), Pair(kMail, "[10] Inbox")));
}

TEST_F(TitleStamperTest, AWindowWhoseOwnTitleChangedIsStampedAfresh) {
  Add(kEditor, "a.txt - Editor");
  windows_.foreground = kEditor;
  Pass();
  windows_.Window(kEditor).title = "b.txt - Editor";  // the program renamed itself
  Pass();
  EXPECT_THAT(windows_.writes, ElementsAre(Pair(kEditor, "[14:05] b.txt - Editor")));
}

TEST_F(TitleStamperTest, LongTitlesAreKeptWhole) {
  const std::string longTitle = "Report " + std::string(293, 'x');  // 300 characters
  Add(kEditor, longTitle);
  Add(kMail, "Inbox");
  windows_.foreground = kEditor;
  Pass();
  EXPECT_EQ(windows_.TitleOf(kEditor), "[14:05] " + longTitle);
  Pass();
  EXPECT_THAT(windows_.writes, IsEmpty());
  windows_.foreground = kMail;
  Pass();
  EXPECT_EQ(windows_.TitleOf(kEditor), longTitle);
}

TEST_F(TitleStamperTest, EligibilityRules) {
  struct Case {
    const char* what;
    FakeWindow window;
    std::vector<std::string> titleFilters;
    bool eligible;
  } cases[] = {
      {"plain", {kEditor, "Editor"}, {}, true},
      {"hidden", {kEditor, "Editor", "Notepad", false}, {}, false},
      {"owned", {kEditor, "Editor", "Notepad", true, true}, {}, false},
      {"fixed class", {kEditor, "Editor", "Shelltray_Wnd"}, {}, false},
      {"class is a stretch of the filter", {kEditor, "Editor", "u,shell"}, {}, false},
      {"class is an entry and more", {kEditor, "Editor", "REDIVIZU2"}, {}, true},
      {"empty class name", {kEditor, "Editor", ""}, {}, true},
      {"one-character title", {kEditor, "E"}, {}, false},
      {"empty title", {kEditor, ""}, {}, false},
      {"two-character title", {kEditor, "Ed"}, {}, true},
      {"title filter", {kEditor, "Secret - Editor"}, {"x;", "SECRET"}, false},
      {"empty title filter entry", {kEditor, "Editor"}, {""}, true},
      {"filter sees the stamp", {kEditor, "[14:05] Editor"}, {"["}, false},
  };
  for (const auto& c : cases) {
    FakeWindowSystem windows;
    settings_.titleFilters = c.titleFilters;
    TitleStamper stamper(windows, platform_, regional_, settings_);
    windows.zOrder.push_back(c.window);
    Title title;
    EXPECT_EQ(stamper.IsStampCandidate(kEditor, title), c.eligible) << c.what;
    windows.foreground = kEditor;
    stamper.StampTitles();
    EXPECT_EQ(windows.writes.size(), c.eligible ? 1u : 0u) << c.what;
  }
}

TEST_F(TitleStamperTest, AnIneligibleForegroundStillLetsStampsBeStripped) {
  Add(kEditor, "Editor");
  Add(kMail, "Inbox");
  windows_.foreground = kEditor;
  Pass();
  windows_.Window(kMail).visible = false;
  windows_.foreground = kMail;
  Pass();
  EXPECT_THAT(windows_.writes, ElementsAre(Pair(kEditor, "Editor")));
  windows_.foreground = 0;
  Pass();
  EXPECT_THAT(windows_.writes, IsEmpty());
}

TEST_F(TitleStamperTest, AHungWindowIsLeftAloneForTenSeconds) {
  Add(kEditor, "Editor");
  windows_.Window(kEditor).hung = true;
  windows_.foreground = kEditor;
  Pass();
  EXPECT_EQ(windows_.writes.size(), 1u);
  windows_.tick += 9999;
  Pass();
  EXPECT_THAT(windows_.writes, IsEmpty());
  windows_.tick += 1;
  windows_.Window(kEditor).hung = false;
  Pass();
  EXPECT_THAT(windows_.writes, ElementsAre(Pair(kEditor, "[14:05] Editor")));
}

TEST_F(TitleStamperTest, AWindowThatDoesNotAnswerAReadIsLeftAloneForTenSeconds) {
  Add(kEditor, "Editor");
  windows_.Window(kEditor).hungReads = true;
  windows_.foreground = kEditor;
  Pass();
  EXPECT_EQ(windows_.textReads, 1);
  windows_.tick += 9999;
  Pass();
  EXPECT_EQ(windows_.textReads, 1);  // not asked again
  windows_.tick += 1;
  windows_.Window(kEditor).hungReads = false;
  Pass();
  EXPECT_THAT(windows_.writes, ElementsAre(Pair(kEditor, "[14:05] Editor")));
}

TEST_F(TitleStamperTest, OnlyTheWindowThatTimedOutIsLeftAlone) {
  Add(kMail, "Inbox");
  Add(kOther, "Hidden");
  Add(kEditor, "Editor");
  windows_.Window(kMail).hungReads = true;
  windows_.Window(kOther).visible = false;  // rejected before any read
  windows_.foreground = kEditor;
  Pass();
  EXPECT_THAT(windows_.writes, ElementsAre(Pair(kEditor, "[14:05] Editor")));
  windows_.Window(kMail).hungReads = false;
  windows_.Window(kOther).visible = true;
  windows_.foreground = kOther;
  Pass();  // the hidden window was not rested along with the mail window
  EXPECT_THAT(windows_.writes,
              ElementsAre(Pair(kOther, "[14:05] Hidden"), Pair(kEditor, "Editor")));
}

TEST_F(TitleStamperTest, AHungWindowWithALongTitleIsNotRead) {
  Add(kEditor, std::string(400, 'x'));
  windows_.Window(kEditor).hung = true;
  windows_.foreground = kEditor;
  Pass();
  EXPECT_THAT(windows_.writes, IsEmpty());
}

TEST_F(TitleStamperTest, AWindowThatVanishesEndsThePass) {
  Add(kEditor, "Editor");
  Add(kMail, "Inbox");
  Add(kOther, "Other");
  windows_.foreground = kOther;
  windows_.onNextWindow = [this](WindowHandle window) {
    if (window == kMail) windows_.zOrder.erase(windows_.zOrder.begin() + 1);
  };
  Pass();
  EXPECT_THAT(windows_.writes, IsEmpty());
}

TEST_F(TitleStamperTest, TheForegroundIsTakenOncePerPass) {
  Add(kEditor, "Editor");
  Add(kMail, "Inbox");
  windows_.foreground = kEditor;
  windows_.onNextWindow = [this](WindowHandle) { windows_.foreground = kMail; };
  Pass();
  EXPECT_THAT(windows_.writes, ElementsAre(Pair(kEditor, "[14:05] Editor")));
}

TEST_F(TitleStamperTest, NoWindowsNoWrites) {
  windows_.foreground = kEditor;
  Pass();
  EXPECT_THAT(windows_.writes, IsEmpty());
}

TEST_F(TitleStamperTest, DestroyedWindowsLeaveTheTable) {
  Add(kEditor, "Editor");
  windows_.foreground = kEditor;
  Pass();
  EXPECT_EQ(stamper_.RememberedCount(), 1u);
  windows_.zOrder.clear();
  Pass();
  EXPECT_EQ(stamper_.RememberedCount(), 0u);
}

TEST_F(TitleStamperTest, RemoveStampsRestoresOnlyTitlesThatStillCarryOurStamp) {
  Add(kEditor, "Editor");
  Add(kMail, "Inbox");
  windows_.foreground = kEditor;
  Pass();
  windows_.foreground = kMail;
  platform_.Advance(60000);
  windows_.Window(kEditor).title = "[14:05] Editor";  // as if stamped and still carrying it
  Pass();
  windows_.Window(kMail).title = "Renamed";  // the program dropped our stamp itself
  windows_.writes.clear();
  stamper_.RemoveStamps();
  EXPECT_THAT(windows_.writes, IsEmpty());
  EXPECT_EQ(stamper_.RememberedCount(), 0u);

  windows_.foreground = kEditor;
  Pass();
  windows_.writes.clear();
  stamper_.RemoveStamps();
  EXPECT_THAT(windows_.writes, ElementsAre(Pair(kEditor, "Editor")));
}

TEST_F(TitleStamperTest, EveryEligibleWindowGetsItsOwnFreshStamp) {
  platform_.SetNow({2016, 6, 19, 14, 5, 59, 999});
  platform_.advanceMsPerReading = 1;
  Add(kEditor, "[14:05] Editor");
  Add(kMail, "Inbox");
  windows_.foreground = kMail;
  Pass();
  // The editor's stale stamp is recognised by shape; the mail window gets
  // the stamp formatted for it, a minute later.
  EXPECT_THAT(windows_.writes, ElementsAre(Pair(kEditor, "Editor"), Pair(kMail, "[14:06] Inbox")));
}

}  // namespace
}  // namespace kalvori
