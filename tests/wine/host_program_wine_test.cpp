// Our host program with the built plug-in and the reference starter.dll.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "wine/wine_support.h"

namespace kalvori::wine_testing {
namespace {

std::string HostCommand(const std::string& arguments) {
  return "\"" + BuildFolder() + "\\kalvori-host.exe\" " + arguments;
}

// "[hh:mm:ss] " followed by `rest`.
bool CarriesSecondsStamp(const std::string& title, const std::string& rest) {
  if (title.size() != 11 + rest.size() || title[0] != '[' || title.compare(9, 2, "] ") != 0) {
    return false;
  }
  for (int i : {1, 2, 4, 5, 7, 8}) {
    if (!std::isdigit(static_cast<unsigned char>(title[i]))) return false;
  }
  return title.compare(11, std::string::npos, rest) == 0;
}

TEST(HostProgramTest, DescribeShowsTheDescriptorAndTheNineLabels) {
  ChildProcess host(HostCommand("describe \"" + PluginPath() + "\""), true);
  ASSERT_TRUE(host.Started());
  const std::string output = host.WaitForOutput(30000);
  EXPECT_EQ(host.ExitCode(), 0u);
  EXPECT_NE(output.find("title:       Kalvorium ver. 1.1"), std::string::npos) << output;
  EXPECT_NE(output.find("section:     Kalvori"), std::string::npos);
  EXPECT_NE(output.find("parameters:  5"), std::string::npos);
  EXPECT_NE(output.find("Refresh period (ms)"), std::string::npos);
  EXPECT_NE(output.find("choice 0: "), std::string::npos);
  EXPECT_NE(output.find("choice 8: User format"), std::string::npos);
}

TEST(HostProgramTest, ReportsAPluginThatCannotBeLoadedOrLacksExports) {
  ChildProcess missing(HostCommand("describe no-such-plugin.plg"), true);
  const std::string missingOutput = missing.WaitForOutput(30000);
  EXPECT_EQ(missing.ExitCode(), 1u);
  EXPECT_NE(missingOutput.find("cannot load no-such-plugin.plg"), std::string::npos)
      << missingOutput;

  ChildProcess notAPlugin(HostCommand("run \"" + BuildFolder() + "\\starter.dll\""), true);
  const std::string notAPluginOutput = notAPlugin.WaitForOutput(30000);
  EXPECT_EQ(notAPlugin.ExitCode(), 1u);
  EXPECT_NE(notAPluginOutput.find("lacks the export(s): GetPluginInfo InitGlobalModule DoneModule"),
            std::string::npos)
      << notAPluginOutput;
}

TEST(HostProgramTest, RunStampsARealNotepadWindowAndRestoresItAtStop) {
  ChildProcess notepad("notepad.exe");
  ASSERT_TRUE(notepad.Started());
  const HWND window = WaitForWindow("Untitled - Notepad", 30000);
  ASSERT_NE(window, nullptr);
  SetForegroundWindow(window);
  ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == window; }, 5000));

  const std::string config =
      WriteFile("host-run.ini", "[Kalvori]\r\nFormat=4\r\nRefresh period (ms)=999\r\n");
  ChildProcess host(
      HostCommand("run \"" + PluginPath() + "\" --config \"" + config + "\" --seconds 8"), true);
  ASSERT_TRUE(host.Started());
  EXPECT_TRUE(
      PumpUntil([&] { return CarriesSecondsStamp(TitleOf(window), "Untitled - Notepad"); }, 20000))
      << TitleOf(window);
  const std::string output = host.WaitForOutput(60000);
  EXPECT_EQ(host.ExitCode(), 0u);
  EXPECT_NE(output.find("started: result 100, clock window 0x"), std::string::npos) << output;
  EXPECT_NE(output.find("stopped: result 1"), std::string::npos) << output;
  EXPECT_EQ(TitleOf(window), "Untitled - Notepad");
  DeleteFileA(config.c_str());
}

}  // namespace
}  // namespace kalvori::wine_testing
