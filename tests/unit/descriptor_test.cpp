#include "plugin/descriptor.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "fakes/fake_text_platform.h"

namespace kalvori {
namespace {

using testing::FakeTextPlatform;

class DescriptorTest : public ::testing::Test {
 protected:
  DescriptorTest() {
    regional_.format.amText = "AM";
    regional_.format.pmText = "PM";
  }
  ~DescriptorTest() override { ReleaseFormatChoiceLabels(); }
  RegionalSettings regional_;
  FakeTextPlatform platform_;
};

TEST_F(DescriptorTest, RecordAndParameterTable) {
  const PluginInfoRecord* info = DescribePlugin(regional_, platform_);
  ASSERT_EQ(info, &PluginInfo);
  EXPECT_EQ(info->size, sizeof(PluginInfoRecord));
  EXPECT_STREQ(info->title, "Kalvorium ver. 1.1");
  EXPECT_STREQ(info->section, "Kalvori");
  EXPECT_EQ(info->paramCount, 5u);
  ASSERT_EQ(info->params, ParamTable);

  struct Row {
    const char* name;
    std::uint32_t kind, word3, word4;
  } rows[] = {{"Format", 0x110, 0, 8},
              {"User format", 7, 1, 0},
              {"Filter (by Class)", 7, 1, 0},
              {"Filter (by Text)", 7, 1, 0},
              {"Refresh period (ms)", 2, 1000, 0}};
  for (int i = 0; i < 5; ++i) {
    EXPECT_STREQ(ParamTable[i].name, rows[i].name);
    EXPECT_EQ(ParamTable[i].sameName, ParamTable[i].name);  // one text, two pointers
    EXPECT_EQ(ParamTable[i].kind, rows[i].kind);
    EXPECT_EQ(ParamTable[i].hostWord3, rows[i].word3);
    EXPECT_EQ(ParamTable[i].hostWord4, rows[i].word4);
    EXPECT_EQ(ParamTable[i].choices, i == 0 ? FormatChoices : nullptr);
  }
}

TEST_F(DescriptorTest, DescriptionIsTheTokenHelpAndOneCreditLine) {
  DescribePlugin(regional_, platform_);
  const std::string description = PluginInfo.description;
  EXPECT_EQ(description.compare(0, 31, "Show time in window title bar\r\n"), 0);
  EXPECT_EQ(description.substr(430, 4), "\r\n\r\n");
  const std::string credit = description.substr(434);
  EXPECT_FALSE(credit.empty());
  EXPECT_EQ(credit.find_first_of("\r\n"), std::string::npos);
}

TEST_F(DescriptorTest, LabelsShowEachFormatFromItsOwnClockReading) {
  platform_.SetNow({2016, 6, 19, 14, 5, 9, 250});
  DescribePlugin(regional_, platform_);
  EXPECT_EQ(platform_.clockReadings, 8);
  const char* expected[] = {"14:05",       "02:05 PM",    "02:05 PM",   "02:05 P",    "14:05:09",
                            "02:05:09 PM", "02:05:09 PM", "02:05:09 P", "User format"};
  for (int i = 0; i < 9; ++i) EXPECT_STREQ(FormatChoices[i], expected[i]) << i;
}

TEST_F(DescriptorTest, ASecondPassesDuringTheCall) {
  platform_.SetNow({2016, 6, 19, 14, 5, 59, 800});
  platform_.advanceMsPerReading = 100;  // readings 3 and later fall in the next minute
  DescribePlugin(regional_, platform_);
  EXPECT_STREQ(FormatChoices[0], "14:05");
  EXPECT_STREQ(FormatChoices[1], "02:05 PM");
  EXPECT_STREQ(FormatChoices[2], "02:06 PM");
  EXPECT_STREQ(FormatChoices[4], "14:06:00");
}

TEST_F(DescriptorTest, EveryCallRendersNewLabelsAtTheSameAddresses) {
  DescribePlugin(regional_, platform_);
  const std::string first = FormatChoices[0];
  platform_.SetNow({2016, 6, 19, 9, 7, 0, 0});
  const PluginInfoRecord* again = DescribePlugin(regional_, platform_);
  EXPECT_EQ(again, &PluginInfo);
  EXPECT_EQ(ParamTable[0].choices, FormatChoices);
  EXPECT_EQ(first, "14:05");
  EXPECT_STREQ(FormatChoices[0], "09:07");
  EXPECT_STREQ(FormatChoices[8], "User format");
}

TEST_F(DescriptorTest, BuiltinFormats) {
  const char* expected[] = {"hh:mm",    "hh:mm AMPM",    "hh:mm AM/PM",    "hh:mm A/P",
                            "hh:mm:ss", "hh:mm:ss AMPM", "hh:mm:ss AM/PM", "hh:mm:ss A/P"};
  for (int i = 0; i < 8; ++i) EXPECT_STREQ(BuiltinFormats[i], expected[i]);
}

}  // namespace
}  // namespace kalvori
