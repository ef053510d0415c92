// Runs alone in a directory whose paramcom.txt says "baudrate 19200" and TIMEOUT_PROTOCOL 500:
// what the library holds after its load step, and after the first open.
#include <gtest/gtest.h>

#include "clock.h"
#include "com/com.h"
#include "fake_link.h"
#include "link.h"
#include "serial_port.h"

TEST(LinkAtLoad, ShortTimeOutsUntilTheFirstOpenAndTheFileBaudRateForEveryPort) {
  com::LoadTimeStep();
  EXPECT_EQ(com::Settings().char_timeout_ms, 100u);
  EXPECT_EQ(com::Settings().proto_timeout_ms, 200u);
  for (int port = 0; port < com::kPortCount; ++port) EXPECT_EQ(com::PortBaud(port), 19200) << port;

  fake::ManualClock clock;
  fake::ScriptedLine line(clock);
  com::SetSerialBackend(&line);
  ASSERT_EQ(InitCommunication(2, 0), 1);
  EXPECT_EQ(line.configured_bauds, std::vector<int32_t>{19200});
  EXPECT_EQ(com::Settings().char_timeout_ms, 250u);
  EXPECT_EQ(com::Settings().proto_timeout_ms, 500u);
  ASSERT_EQ(InitCommunication(3, 57600), 1);
  EXPECT_EQ(line.configured_bauds.back(), 57600);
  EXPECT_EQ(com::PortBaud(2), 19200);
  CloseCommunication(3);
  CloseCommunication(2);
  com::SetSerialBackend(nullptr);
}
