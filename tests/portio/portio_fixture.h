// Base of the library's tests: the fake system, the in-memory registry and
// the box recorder are installed for each test and removed after it.
#ifndef TESTS_PORTIO_PORTIO_FIXTURE_H
#define TESTS_PORTIO_PORTIO_FIXTURE_H

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "fake_machine_registry.h"
#include "fake_system.h"
#include "message_recorder.h"
#include "portio/portio.h"

namespace portio_test {

using Box = std::pair<std::string, std::string>;  // text, caption

class PortioTest : public ::testing::Test {
 protected:
  PortioTest() {
    portio::SetSystem(&system);
    portio::SetMachineRegistry(&registry);
  }
  ~PortioTest() override {
    portio::SetSystem(nullptr);
    portio::SetMachineRegistry(nullptr);
  }

  void TearDown() override {
    EXPECT_EQ(registry.OpenHandles(), 0u) << "a registry key was left open";
    EXPECT_TRUE(boxes.AllWarningsWithoutOwner());
  }

  std::vector<Box> Shown() const {
    std::vector<Box> shown;
    for (const auto &box : boxes.shown) shown.emplace_back(box.text, box.caption);
    return shown;
  }

  FakeSystem system;
  FakeMachineRegistry registry;
  MessageRecorder boxes;
};

}  // namespace portio_test

#endif
