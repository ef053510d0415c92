// Stand-in support: checks that a file is well-formed Intel-hex text, the
// form of the bootstrap, firmware and FPGA files a download carries.
#ifndef VELK2_INTEL_HEX_H
#define VELK2_INTEL_HEX_H

#include <istream>
#include <string>

namespace velk2 {

struct HexCheck {
  bool valid = false;
  int records = 0;     // records read, end record included
  long dataBytes = 0;  // data bytes of the data records
  std::string error;   // "line N: reason" when not valid
};

// Every line ":LLAAAATT<data>CC" (CR/LF or LF), hex digits only, the length
// byte matching the data, a zero byte sum, record types 00-05, and an end
// record (type 01) as the last record; blank lines after it are allowed.
HexCheck CheckIntelHex(std::istream &text);

}  // namespace velk2

#endif
