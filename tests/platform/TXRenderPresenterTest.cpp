#include "platform/TXRenderPresenter.h"

#include <gtest/gtest.h>

#if WENDMOOR_HAVE_XRENDER
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <random>
#include <string>

#include "platform/TWindowGeometry.h"

namespace {
// A private X server for the test, gone with it; none where Xvfb is not installed.
struct TPrivateX {
  pid_t Pid = -1;
  std::string Display;
  bool Start() {
    // Servers started side by side (tests run in parallel) now and then hand out a display
    // nobody answers on: such a one is stopped and another started.
    for (int attempt = 0; attempt < 4; ++attempt) {
      if (Launch()) {
        for (int i = 0; i < 50; ++i) {
          if (::Display* d = XOpenDisplay(Display.c_str())) {
            XCloseDisplay(d);
            return true;
          }
          usleep(20000);
        }
      }
      Stop();
    }
    return false;
  }
  bool Launch() {
    int fds[2];
    if (pipe(fds) != 0) return false;
    Pid = fork();
    if (Pid == 0) {
      close(fds[0]);
      const std::string fd = std::to_string(fds[1]);
      execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "800x600x24", "-nolisten",
             "tcp", static_cast<char*>(nullptr));
      _exit(127);
    }
    close(fds[1]);
    char buffer[32] = {};
    const ssize_t n = Pid > 0 ? read(fds[0], buffer, sizeof buffer - 1) : -1;
    close(fds[0]);
    if (n <= 0) return false;
    Display = ":" + std::to_string(std::atoi(buffer));
    return true;
  }
  void Stop() {
    if (Pid <= 0) return;
    kill(Pid, SIGTERM);
    waitpid(Pid, nullptr, 0);
    Pid = -1;
  }
  ~TPrivateX() { Stop(); }
};

std::vector<std::uint32_t> Grab(SDL_Window* w, int width, int height) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  std::vector<std::uint32_t> out;
  if (!SDL_GetWindowWMInfo(w, &info)) return out;
  XSync(info.info.x11.display, False);
  XImage* image = XGetImage(info.info.x11.display, info.info.x11.window, 0, 0, width, height,
                            AllPlanes, ZPixmap);
  if (!image) return out;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) out.push_back(XGetPixel(image, x, y) & 0xFFFFFF);
  XDestroyImage(image);
  return out;
}
}  // namespace

// The X server's scaling, sent only the changed rectangles, shows what it shows when sent
// the whole frame, pixel for pixel, with black bars round the frame's shape.
TEST(XRenderPresenter, ScalingOnlyTheChangedPartsEqualsScalingTheWholeFrame) {
  TPrivateX server;
  if (!server.Start()) GTEST_SKIP() << "no Xvfb";
  const char* oldDriver = std::getenv("SDL_VIDEODRIVER");
  const std::string driver = oldDriver ? oldDriver : "";
  setenv("DISPLAY", server.Display.c_str(), 1);
  setenv("SDL_VIDEODRIVER", "x11", 1);
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) GTEST_SKIP() << SDL_GetError();
  {
    constexpr int WW = 700, WH = 450, FW = 320, FH = 200;
    SDL_Window* window = SDL_CreateWindow("scaled", 0, 0, WW, WH, SDL_WINDOW_SHOWN | SDL_WINDOW_BORDERLESS);
    ASSERT_NE(window, nullptr) << SDL_GetError();
    std::unique_ptr<TXRenderPresenter> p = TXRenderPresenter::Make(window, FW, FH);
    if (!p) {
      SDL_DestroyWindow(window);
      SDL_QuitSubSystem(SDL_INIT_VIDEO);
      GTEST_SKIP() << "no XRender or shared memory";
    }
    double scale, ox, oy;
    TWindowGeometry::Letterbox(WW, WH, FW, FH, scale, ox, oy);
    const SDL_Rect area{int(ox), int(oy), int(FW * scale + 0.5), int(FH * scale + 0.5)};
    std::mt19937 random(5);
    std::vector<std::uint32_t> frame(FW * FH);
    for (auto& v : frame) v = 0xFF000000u | (random() & 0xFFFFFF);
    p->Present(frame.data(), {}, area, true, WW, WH);
    const std::vector<TPixelRect> changed = {{0, 0, 32, 32}, {100, 64, 164, 96}, {288, 168, 320, 200},
                                             {200, 0, 201, 200}};
    for (const TPixelRect& r : changed)
      for (int y = r.Y0; y < r.Y1; ++y)
        for (int x = r.X0; x < r.X1; ++x) frame[std::size_t(y) * FW + x] = 0xFF000000u | (random() & 0xFFFFFF);
    p->Present(frame.data(), changed, area, false, WW, WH);
    const std::vector<std::uint32_t> parts = Grab(window, WW, WH);
    p->Present(frame.data(), {}, area, true, WW, WH);
    const std::vector<std::uint32_t> whole = Grab(window, WW, WH);
    ASSERT_EQ(parts.size(), std::size_t(WW) * WH);
    ASSERT_EQ(whole.size(), parts.size());
    std::size_t differing = 0;
    for (std::size_t i = 0; i < whole.size(); ++i) differing += whole[i] != parts[i];
    EXPECT_EQ(differing, 0u);
    // Bars above and below (the frame is wider in shape than the window), the frame between.
    ASSERT_GT(area.y, 2);
    EXPECT_EQ(whole[std::size_t(1) * WW + WW / 2], 0u);
    EXPECT_EQ(whole[std::size_t(WH - 2) * WW + WW / 2], 0u);
    p.reset();
    SDL_DestroyWindow(window);
  }
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  if (oldDriver) setenv("SDL_VIDEODRIVER", driver.c_str(), 1);
  else unsetenv("SDL_VIDEODRIVER");
}
#endif
