// The shared library as a program loads it, in a directory whose paramcom.txt
// says BAUDRATE 38400: the library's entry has read it before main runs.
#include <pty.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "com/com.h"

TEST(LibraryEntry, BaudRateOfTheParameterFileIsInTheTableWhenTheLibraryIsLoaded) {
  int far = -1, near = -1;
  char name[128];
  ASSERT_EQ(openpty(&far, &near, name, nullptr, nullptr), 0);
  setenv("COM5_DEVICE", name, 1);
  ASSERT_EQ(InitCommunication(5, 0), 1);
  termios settings{};
  ASSERT_EQ(tcgetattr(far, &settings), 0);
  EXPECT_EQ(cfgetospeed(&settings), B38400);
  EXPECT_EQ(CloseCommunication(5), 1);
  close(far);
  close(near);
}
