// Run with the prefix answering as Windows 98 for this program only: the
// real version query picks the Windows 95 family, the registry is real, and
// the VxD loader, which does not exist here, cannot be opened.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "message_recorder.h"
#include "portio/portio.h"
#include "real_registry.h"

namespace portio_test {
namespace {

using Boxes = std::vector<std::pair<std::string, std::string>>;

class Windows98 : public ::testing::Test {
 protected:
  void SetUp() override { RemoveDriverKeys(); }
  void TearDown() override {
    RemoveDriverKeys();
    EXPECT_TRUE(boxes.AllWarningsWithoutOwner());
  }

  Boxes Shown() const {
    Boxes shown;
    for (const auto &box : boxes.shown) shown.emplace_back(box.text, box.caption);
    return shown;
  }

  MessageRecorder boxes;
};

TEST_F(Windows98, VersionQueryGivesTheWindows95Family) { EXPECT_EQ(Is_Windows_95(), 1); }

TEST_F(Windows98, LoadDriverWithoutRegisteredDevicesSaysSo) {
  EXPECT_EQ(LoadDriver(), 0);
  EXPECT_EQ(UnLoadDriver(), 1);
  EXPECT_EQ(Shown(), (Boxes{{"No driver to load", "Win95 Load Driver Error"}}));
}

TEST_F(Windows98, RegisteredDeviceIsLoadedThroughTheLoaderWhichIsMissingHere) {
  _REGISTRY r;
  std::memset(&r, 0, sizeof(r));
  r.device = 8;
  Registry(r);
  EXPECT_TRUE(KeyExists(k95Driver + "\\WinRTdev8\\Parameters\\Section1"));
  EXPECT_FALSE(KeyExists(kNtDriver));
  boxes.shown.clear();

  EXPECT_EQ(LoadDriver(), 0);
  EXPECT_EQ(UnLoadDriver(), 0);
  EXPECT_EQ(Shown(), (Boxes{{"Unable to open VXDLDR", "Win95 Load Driver Error"},
                            {"Unable to open VXDLDR", "Win95 Unload Driver Error"}}));
  EXPECT_EQ(UnRegistry(8), 1);
  EXPECT_FALSE(KeyExists(k95Driver + "\\WinRTdev8"));
}

}  // namespace
}  // namespace portio_test
