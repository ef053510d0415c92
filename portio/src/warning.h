// Every failure of the library is one warning box: no owner window, warning
// icon, OK button.
#ifndef PORTIO_WARNING_H
#define PORTIO_WARNING_H

namespace portio {

struct Warning {
  const char *text;
  const char *caption;
};

void ShowWarning(const Warning &warning);

}  // namespace portio

#endif
