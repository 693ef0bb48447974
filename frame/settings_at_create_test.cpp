// What the settings file does when the module is created: the start-up state, the volume, the
// CDU typing mode and the joystick buttons handed to the data link.

#include <gtest/gtest.h>

#include <string>

#include "fms/testing/temp_folder.h"
#include "frame/module_lifecycle.h"
#include "frame/test_host.h"

namespace xaq::frame {
namespace {

struct FolderPort final : platform::SimulatorFiles {
  std::string simulatorFolder() override { return folder; }
  std::string folder;
};

class SettingsAtCreate : public ::testing::Test {
 protected:
  void SetUp() override {
    files.folder = folder.path() + "/";
    platform::installPorts(platform::Ports{&host.timer, &host.windows, nullptr, &files, nullptr});
  }
  void TearDown() override { Linkage.moduleDeinit(); }

  testing::TestHost host;
  fms::testing::TempFolder folder;
  FolderPort files;
};

TEST_F(SettingsAtCreate, TheFileSetsTheStartUpStateVolumeAndJoystickButtons) {
  folder.write("Xaq/Orvek/config.pnl",
               "MCDUMethod=0\r\n"
               "DarkCockpit=1\r\n"
               "SoundVolume=50\r\n"
               "AP_AUTO,Autopilot AP Button,0,0,0,0,0,90,2,7\r\n"
               "AP_YD,Autopilot YD Button,0,1,0,0,0,68,0,0\r\n"
               "AP_HSISEL,Autopilot HSI SEL Button,0,0,0,0,0,0,1,3\r\n");
  Linkage.moduleInit();
  AircraftState& a = *aircraft();
  EXPECT_EQ(a.settings.mcduMethod, 0);
  EXPECT_TRUE(a.flags.darkCockpit);
  EXPECT_FALSE(a.flags.enginesOffAtStart);
  EXPECT_EQ(a.flags.soundVolume, 50);
  const std::vector<std::pair<std::uint32_t, std::uint32_t>> shutdown = {{65987, 1}, {65992, 1}};
  EXPECT_EQ(host.events, shutdown);
  EXPECT_EQ(a.switches.state().batteryMaster, 0);
  EXPECT_EQ(a.switches.state().emergencyLights, 0);
  // Buttons numbered in command order, joystick and button counted from 0 in the entries.
  EXPECT_EQ(a.link.buttons[0].joystick, 1);
  EXPECT_EQ(a.link.buttons[0].button, 6);
  EXPECT_EQ(a.link.buttons[1].joystick, 0);
  EXPECT_EQ(a.link.buttons[1].button, 2);
}

TEST_F(SettingsAtCreate, WithoutAFileTheCockpitStartsFromItsDefaults) {
  Linkage.moduleInit();
  AircraftState& a = *aircraft();
  EXPECT_EQ(a.settings, services::Settings{});
  EXPECT_FALSE(a.flags.darkCockpit);
  EXPECT_EQ(a.flags.soundVolume, 80);
  EXPECT_TRUE(host.events.empty());
  EXPECT_EQ(a.switches.state().batteryMaster, 1);
  EXPECT_EQ(a.switches.state().emergencyLights, 1);
}

}  // namespace
}  // namespace xaq::frame
