#include "pseudo_terminal.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace sim {

bool OpenPseudoTerminal(PseudoTerminal *terminal, std::string *error) {
  int master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
    *error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
    if (master >= 0) close(master);
    return false;
  }
  const char *name = ptsname(master);
  int held = name ? open(name, O_RDWR | O_NOCTTY | O_NONBLOCK) : -1;
  if (held < 0) {
    *error = std::string("cannot open the pseudo-terminal's other end: ") + std::strerror(errno);
    close(master);
    return false;
  }
  // Raw from the start, so bytes pass untouched even before a host configures the line.
  termios settings{};
  if (tcgetattr(held, &settings) == 0) {
    cfmakeraw(&settings);
    tcsetattr(held, TCSANOW, &settings);
  }
  terminal->master = master;
  terminal->held_end = held;
  terminal->end_path = name;
  return true;
}

void ClosePseudoTerminal(PseudoTerminal *terminal) {
  if (terminal->held_end >= 0) close(terminal->held_end);
  if (terminal->master >= 0) close(terminal->master);
  terminal->held_end = terminal->master = -1;
}

bool MakeLink(const std::string &target, const std::string &link_path, std::string *error) {
  struct stat existing;
  if (lstat(link_path.c_str(), &existing) == 0) {
    if (!S_ISLNK(existing.st_mode)) {
      *error = link_path + " exists and is not a symbolic link: left alone";
      return false;
    }
    unlink(link_path.c_str());
  }
  if (symlink(target.c_str(), link_path.c_str()) != 0) {
    *error = "cannot make the link " + link_path + ": " + std::strerror(errno);
    return false;
  }
  return true;
}

}  // namespace sim
