#include "text/matching.h"

#include <gtest/gtest.h>

#include <string>

#include "fakes/fake_text_platform.h"

namespace kalvori {
namespace {

using namespace std::string_literals;
using testing::FakeTextPlatform;

class MatchingTest : public ::testing::Test {
 protected:
  bool Contains(std::string_view text, std::string_view subText) {
    return ContainsTextIgnoreCase(text, subText, codePage_, platform_);
  }
  void UseShiftJis() {
    for (int b = 0x81; b <= 0x9F; ++b) codePage_.leadByteSet.set(b);
    for (int b = 0xE0; b <= 0xFC; ++b) codePage_.leadByteSet.set(b);
    codePage_.doubleByteMode = true;
    platform_.leadBytes = codePage_;
  }

  CodePageFacts codePage_;
  FakeTextPlatform platform_;
};

TEST_F(MatchingTest, SingleByteContainment) {
  struct Case {
    std::string text, subText;
    bool expected;
  } cases[] = {
      {"Untitled - Notepad", "notepad", true},
      {"Untitled - Notepad", "NOTEPAD", true},
      {"abc", "", false},
      {"", "a", false},
      {"", "", false},
      {"ab", "abc", false},
      {"Inbox", "inbox", true},
      {"\xE9t\xE9", "\xC9T\xC9", true},              // Latin-1 letters by the code page
      {"ab\0cd"s, "cd", false},                      // nothing after a NUL is searched
      {"abcd", "c\0x"s, true},                       // a subtext counts up to its NUL
      {"abcd", "\0c"s, false},                       // and is empty when it starts with one
      {"REDIVIZU,SHELLTRAY_WND,", "U,SHELL", true},  // no separators are known
      {"REDIVIZU,SHELLTRAY_WND,", "shelltray_wnd", true},
      {"REDIVIZU,SHELLTRAY_WND,", "Shell_TrayWnd", false},
      {"REDIVIZU,SHELLTRAY_WND,", "REDIVIZU,X", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Contains(c.text, c.subText), c.expected) << c.text << " / " << c.subText;
  }
}

TEST_F(MatchingTest, EmptyTextsAreNotUpperCased) {
  Contains("", "");
  EXPECT_EQ(platform_.upperCaseCalls, 0);
  Contains("a", "a");
  EXPECT_EQ(platform_.upperCaseCalls, 2);
}

TEST_F(MatchingTest, DoubleByteOccurrencesMustStartOnACharacterBoundary) {
  UseShiftJis();
  // 0x83 0x41 is one character; its trail byte is an "A".
  EXPECT_FALSE(
      Contains("\x83"
               "A",
               "A"));
  EXPECT_FALSE(
      Contains("x\x83"
               "Ab",
               "ab"));
  EXPECT_TRUE(
      Contains("\x83"
               "A"
               "A",
               "A"));  // a later occurrence counts
  EXPECT_TRUE(
      Contains("\x83\x83"
               "A",
               "A"));  // after one whole character
  EXPECT_FALSE(
      Contains("\x83\x83\x83"
               "A",
               "A"));  // the second byte of the second
  EXPECT_FALSE(
      Contains("\x83\x83"
               "A",
               "\x83"
               "A"));  // starts inside the first
  EXPECT_TRUE(
      Contains("a\x83"
               "A",
               "\x83"
               "A"));  // starts on a lead byte
}

TEST(IsTrailByteTest, OddRunsOfLeadBytesBeforeMakeATrailByte) {
  CodePageFacts codePage;
  codePage.leadByteSet.set(0x83);
  const std::string text =
      "\x83\x83\x83"
      "A\x83";
  EXPECT_FALSE(IsTrailByte(text, 0, codePage));  // double-byte mode off
  codePage.doubleByteMode = true;
  const bool expected[] = {false, true, false, true, false};
  for (std::size_t i = 0; i < text.size(); ++i)
    EXPECT_EQ(IsTrailByte(text, i, codePage), expected[i]);
  EXPECT_FALSE(IsTrailByte("\x83\0"s, 1, codePage));  // a NUL is never a trail byte
}

TEST(TrimBlanksTest, RemovesBytesUpTo32FromBothEnds) {
  struct Case {
    std::string text, expected;
  } cases[] = {
      {"", ""},
      {" \t\r\n\0 "s, ""},
      {"\thh:mm AMPM\r\n", "hh:mm AMPM"},
      {"  a  b  ", "a  b"},
      {"\x7F"
       "a\x7F",
       "\x7F"
       "a\x7F"},
      {"\xA0x\xFF", "\xA0x\xFF"},
      {"\x01\x1F"
       "x",
       "x"},
  };
  for (const auto& c : cases) EXPECT_EQ(TrimBlanks(c.text), c.expected);
  const std::string once(TrimBlanks("  x y  "));
  EXPECT_EQ(TrimBlanks(once), once);
}

}  // namespace
}  // namespace kalvori
