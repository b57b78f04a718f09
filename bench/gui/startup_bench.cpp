// Time from the process's start to the main window shown, and the resident memory then.
// Run it like the program itself (it starts the program), for example under a virtual display
// with a fresh ZENTROVA_HOME:  xvfb-run -a ./startup_bench

#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include <QCoreApplication>

#include "app/run_program.h"

namespace {

// Seconds since boot at which this process started, from the kernel's own record, so that
// loading the libraries counts too.
double ProcessStartSeconds() {
  std::ifstream in("/proc/self/stat");
  std::string line;
  std::getline(in, line);
  std::istringstream fields(line.substr(line.rfind(')') + 2));
  std::string field;
  // Field 22 of the whole line (starttime) is field 20 after the command name.
  for (int index = 3; index <= 22 && fields >> field; ++index) {
  }
  return std::stod(field) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double NowSeconds() {
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

long ResidentKiB() {
  std::ifstream in("/proc/self/status");
  std::string key;
  long value = 0;
  while (in >> key) {
    if (key == "VmRSS:") {
      in >> value;
      return value;
    }
    in.ignore(1 << 12, '\n');
  }
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  const double started = ProcessStartSeconds();
  return zentrova::RunProgram(argc, argv, [started](zentrova::MainWindow&) {
    const double seconds = NowSeconds() - started;
    std::printf("start to main window shown: %.3f s\n", seconds);
    std::printf("resident memory after start: %.1f MiB\n", ResidentKiB() / 1024.0);
    QCoreApplication::exit(0);
  });
}
