// Start-up time and resident memory of the real program against a bare Qt window that
// shows one line of the same CJK font: both started as processes on an X server of their
// own (Xvfb), timed from the start of the process to the first frame on the screen, which
// is when the pixels of the window's place change from the black root. The screen is looked
// at only when the server reports drawing on it, so that the watching takes no processor
// time from the program being watched.
//   startup_bench PATH/TO/quorbit PATH/TO/bare_window [ROUNDS]

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

std::string display_name;
std::string runtime_dir;

long ResidentKilobytes(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  }
  return 0;
}

// True once the centre and the top band of the window's place are painted.
bool Painted(Display* display) {
  const int width = DisplayWidth(display, DefaultScreen(display));
  const int height = DisplayHeight(display, DefaultScreen(display));
  const int left = (width - 698) / 2, top = (height - 522) / 2;
  const int points[][2] = {{left + 349, top + 261}, {left + 300, top + 5}, {left + 20, top + 500}};
  for (const auto& point : points) {
    XImage* image = XGetImage(display, DefaultRootWindow(display), point[0], point[1], 1, 1,
                              AllPlanes, ZPixmap);
    const unsigned long pixel = image ? XGetPixel(image, 0, 0) : 0;
    if (image) XDestroyImage(image);
    if (pixel == 0) return false;
  }
  return true;
}

struct Sample {
  double seconds;
  double megabytes;
};

// Starts the program, waits for its first frame, reads its resident memory once it has
// settled, and ends it.
Sample StartOnce(Display* display, const std::string& program) {
  const Damage damage = XDamageCreate(display, DefaultRootWindow(display), XDamageReportNonEmpty);
  XSync(display, False);
  const auto start = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    setenv("DISPLAY", display_name.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    setenv("XDG_RUNTIME_DIR", runtime_dir.c_str(), 1);
    execl(program.c_str(), program.c_str(), nullptr);
    _exit(127);
  }
  // Each report of drawing is answered by emptying the damage, so that the next drawing is
  // reported too, and then by a look at the screen. A look every 10 ms besides guards
  // against a report that never comes.
  pollfd connection{ConnectionNumber(display), POLLIN, 0};
  bool painted = false;
  while (!painted && Clock::now() - start < std::chrono::seconds(20)) {
    if (XPending(display) == 0) poll(&connection, 1, 10);
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
    }
    XDamageSubtract(display, damage, None, None);
    painted = Painted(display);
  }
  const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  const double megabytes = ResidentKilobytes(pid) / 1024.0;
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  XDamageDestroy(display, damage);
  // The root is black again before the next start.
  while (Painted(display)) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  return {elapsed, megabytes};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s PATH/TO/quorbit PATH/TO/bare_window [ROUNDS]\n", argv[0]);
    return 2;
  }
  const std::string programs[2] = {argv[1], argv[2]};
  const int rounds = argc > 3 ? std::atoi(argv[3]) : 21;
  // An X server of our own, with a black root, on a free display.
  int fds[2];
  if (pipe(fds) != 0) return 1;
  const pid_t xvfb = fork();
  if (xvfb == 0) {
    const std::string fd = std::to_string(fds[1]);
    execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-br",
           "-nolisten", "tcp", "-noreset", nullptr);
    _exit(127);
  }
  close(fds[1]);
  char number[16] = {};
  if (read(fds[0], number, sizeof number - 1) <= 0) return 1;
  display_name = ":" + std::to_string(std::strtol(number, nullptr, 10));
  Display* display = XOpenDisplay(display_name.c_str());
  if (display == nullptr) return 1;
  int damage_event_base = 0, damage_error_base = 0;
  if (!XDamageQueryExtension(display, &damage_event_base, &damage_error_base)) {
    std::fprintf(stderr, "the X server has no DAMAGE extension\n");
    return 1;
  }
  // The programs get a runtime folder of their own, which Qt wants and Xvfb does not make.
  char runtime_template[] = "/tmp/startup_bench.XXXXXX";
  if (mkdtemp(runtime_template) == nullptr) return 1;
  runtime_dir = runtime_template;

  // The two programs take turns, and which goes first alternates, so that a change in the
  // machine's load falls on both alike.
  std::vector<double> seconds[2], megabytes[2];
  for (int round = 0; round < rounds; ++round) {
    for (int turn = 0; turn < 2; ++turn) {
      const int which = (round + turn) % 2;
      const Sample sample = StartOnce(display, programs[which]);
      seconds[which].push_back(sample.seconds);
      megabytes[which].push_back(sample.megabytes);
    }
  }
  XCloseDisplay(display);
  kill(xvfb, SIGTERM);
  waitpid(xvfb, nullptr, 0);
  rmdir(runtime_dir.c_str());

  const double time[2] = {Median(seconds[0]), Median(seconds[1])};
  const double memory[2] = {Median(megabytes[0]), Median(megabytes[1])};
  std::printf("%d rounds, medians\n", rounds);
  std::printf("start-up to first frame: quorbit %.1f ms, bare window %.1f ms, ratio %.2f\n",
              1000 * time[0], 1000 * time[1], time[0] / time[1]);
  std::printf("resident memory: quorbit %.1f MiB, bare window %.1f MiB, ratio %.2f\n", memory[0],
              memory[1], memory[0] / memory[1]);
  return 0;
}
