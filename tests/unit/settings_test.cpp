#include "clock/settings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/recording_config_reader.h"

namespace kalvori {
namespace {

using ::testing::ElementsAre;
using testing::RecordingConfigReader;

ClockSettings Load(RecordingConfigReader& reader, std::uint32_t configFile = 0x1234) {
  ClockSettings settings;
  LoadSettings(reader, configFile, settings);
  return settings;
}

std::vector<std::string> CallNames(const RecordingConfigReader& reader) {
  std::vector<std::string> names;
  for (const auto& call : reader.calls) names.push_back(call.function + " " + call.key);
  return names;
}

TEST(LoadSettingsTest, CallsTheReaderInOrderWithItsBlockLast) {
  RecordingConfigReader reader;
  Load(reader, 0xC0FFEE);
  EXPECT_THAT(CallNames(reader),
              ElementsAre("OpenCFGr ", "FindSection Kalvori", "GetCFGInt Format",
                          "GetCFGString Filter (by Class)", "GetCFGString Filter (by Text)",
                          "GetCFGInt Refresh period (ms)", "CloseCFGr "));
  const auto& calls = reader.calls;
  EXPECT_EQ(calls[0].number, 0xC0FFEE);  // ConfigFile handed on unchanged
  EXPECT_EQ(calls[1].number, 0);         // FindSection's second argument
  EXPECT_EQ(calls[2].fallback, "1");
  EXPECT_EQ(calls[5].fallback, "999");
  for (int i : {3, 4}) {
    EXPECT_FALSE(calls[i].fallbackIsNull);  // an empty default is a pointer to a NUL
    EXPECT_EQ(calls[i].fallback, "");
    EXPECT_EQ(calls[i].number, 201);
  }
  EXPECT_EQ(calls[3].buffer, calls[4].buffer);  // one shared value buffer
  ASSERT_NE(calls[0].reader, nullptr);
  for (const auto& call : calls) EXPECT_EQ(call.reader, calls[0].reader) << call.function;
}

TEST(LoadSettingsTest, DefaultsWhenNoKeyHasAValue) {
  RecordingConfigReader reader;
  const ClockSettings settings = Load(reader);
  EXPECT_EQ(settings.prefixFormat, "[hh:mm AMPM] ");
  EXPECT_EQ(settings.classFilter, "REDIVIZU,SHELLTRAY_WND,");
  EXPECT_TRUE(settings.titleFilters.empty());
  EXPECT_EQ(settings.refreshPeriod, 999);
}

TEST(LoadSettingsTest, UserFormatIsReadOnlyForFormat8) {
  RecordingConfigReader reader;
  reader.numbers["Format"] = 8;
  EXPECT_EQ(Load(reader).prefixFormat, "[H:nn dd-mm-yy] ");
  ASSERT_EQ(reader.calls[3].key, "User format");
  EXPECT_EQ(reader.calls[3].fallback, "H:nn dd-mm-yy");
  EXPECT_EQ(reader.calls[3].number, 201);
  EXPECT_EQ(reader.calls.size(), 8u);

  RecordingConfigReader builtin;
  builtin.numbers["Format"] = 3;
  builtin.texts["User format"] = "ss";
  EXPECT_EQ(Load(builtin).prefixFormat, "[hh:mm A/P] ");
  for (const auto& call : builtin.calls) EXPECT_NE(call.key, "User format");
}

TEST(LoadSettingsTest, PrefixFormatForEachFormatValue) {
  struct Case {
    std::int32_t format;
    const char* userFormat;
    const char* expected;
  } cases[] = {
      {0, nullptr, "[hh:mm] "},
      {7, nullptr, "[hh:mm:ss A/P] "},
      {8, " \t yyyy mm \t\r\n", "[yyyy mm] "},  // trimmed; inner blanks stay
      {8, "   ", "[] "},
      {-1, nullptr, "[hh:mm AMPM] "},  // outside the table: the default format
      {9, nullptr, "[hh:mm AMPM] "},
      {2147483647, nullptr, "[hh:mm AMPM] "},
  };
  for (const auto& c : cases) {
    RecordingConfigReader reader;
    reader.numbers["Format"] = c.format;
    if (c.userFormat) reader.texts["User format"] = c.userFormat;
    EXPECT_EQ(Load(reader).prefixFormat, c.expected) << c.format;
  }
}

TEST(LoadSettingsTest, ClassFilterIsTheFixedClassesAndTheValueAsRead) {
  RecordingConfigReader reader;
  reader.texts["Filter (by Class)"] = " Notepad";
  EXPECT_EQ(Load(reader).classFilter, "REDIVIZU,SHELLTRAY_WND, Notepad");
}

TEST(LoadSettingsTest, RefreshPeriodIsTakenAsRead) {
  for (std::int32_t period : {0, -5, 250, 2147483647}) {
    RecordingConfigReader reader;
    reader.numbers["Refresh period (ms)"] = period;
    EXPECT_EQ(Load(reader).refreshPeriod, period);
  }
}

TEST(LoadSettingsTest, AValueWithoutNulIsTaken201BytesLong) {
  RecordingConfigReader reader;
  reader.numbers["Format"] = 8;
  reader.rawTexts["User format"] = std::string(201, 'h');
  reader.rawTexts["Filter (by Text)"] = std::string(200, 'x') + ";";
  const ClockSettings settings = Load(reader);
  EXPECT_EQ(settings.prefixFormat, "[" + std::string(201, 'h') + "] ");
  ASSERT_EQ(settings.titleFilters.size(), 1u);
  EXPECT_EQ(settings.titleFilters[0], std::string(200, 'x'));
}

TEST(LoadSettingsTest, ANulInsideAValueEndsIt) {
  RecordingConfigReader reader;
  reader.rawTexts["Filter (by Text)"] = std::string("a;\0b;", 6);
  EXPECT_THAT(Load(reader).titleFilters, ElementsAre("a"));
}

TEST(LoadSettingsTest, TitleFiltersAreReplacedAtEveryLoad) {
  RecordingConfigReader first;
  first.texts["Filter (by Text)"] = "Mail;Chat;";
  ClockSettings settings;
  LoadSettings(first, 0, settings);
  RecordingConfigReader second;
  second.texts["Filter (by Text)"] = "Chat;";
  LoadSettings(second, 0, settings);
  EXPECT_THAT(settings.titleFilters, ElementsAre("Chat"));
}

TEST(SplitTitleFiltersTest, EntriesEndWithASemicolon) {
  struct Case {
    const char* value;
    std::vector<std::string> expected;
  } cases[] = {
      {"", {}},
      {"abc", {}},
      {"abc;", {"abc"}},
      {"a;;b;c", {"a", "", "b"}},
      {" word ;", {" word "}},
      {";", {""}},
      {"Mail;chat", {"Mail"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitTitleFilters(c.value), c.expected) << c.value;
  EXPECT_EQ(SplitTitleFilters(std::string(1000, ';')).size(), 1000u);
}

TEST(DefaultsOnlyReaderTest, EveryValueIsItsDefault) {
  DefaultsOnlyReader reader;
  ClockSettings settings;
  settings.titleFilters = {"old"};
  LoadSettings(reader, 0, settings);
  EXPECT_EQ(settings.prefixFormat, "[hh:mm AMPM] ");
  EXPECT_EQ(settings.classFilter, "REDIVIZU,SHELLTRAY_WND,");
  EXPECT_TRUE(settings.titleFilters.empty());
  EXPECT_EQ(settings.refreshPeriod, 999);
}

}  // namespace
}  // namespace kalvori
