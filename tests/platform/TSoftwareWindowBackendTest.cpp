#include "platform/TSoftwareWindowBackend.h"

#include <gtest/gtest.h>

#include "platform/TNullWindow.h"
#include "platform/TSdlWindow.h"

namespace {
void Square(TSoftwareBackend& b, float x, float y, float size, std::uint8_t r, std::uint8_t g) {
  const TRenderVertex v[4] = {{x, y, r, g, 0, 255, 0, 0},
                              {x + size, y, r, g, 0, 255, 0, 0},
                              {x + size, y + size, r, g, 0, 255, 0, 0},
                              {x, y + size, r, g, 0, 255, 0, 0}};
  b.BindTexture(0);
  b.DrawQuad(v);
}

// The colour at a pixel as red, green or black, whichever it is near.
const char* At(SDL_Surface* s, int x, int y) {
  const std::uint32_t p = static_cast<const std::uint32_t*>(s->pixels)[std::size_t(y) * (s->pitch / 4) + x];
  const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
  if (r > 190 && g < 10 && b < 10) return "red";
  if (g > 190 && r < 10 && b < 10) return "green";
  if (r < 10 && g < 10 && b < 10) return "black";
  return "other";
}
}  // namespace

// The window asked full screen stays smaller (no window manager carried it out), then a
// tiling one gives it another shape, then it gets the size asked: each time the whole frame
// is shown letterboxed in the area the window really has, and a click maps back onto what
// is drawn under it.
TEST(SoftwareWindowBackend, ShowsTheWholeFrameInTheAreaTheWindowReallyHas) {
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) GTEST_SKIP() << SDL_GetError();
  {
    TSdlWindow window("scaled", 1920, 1080);
    ASSERT_TRUE(window.Valid()) << SDL_GetError();
    TNullWindow shown;  // what the display server says the window is
    shown.Width = 1366;
    shown.Height = 768;
    TSoftwareWindowBackend backend(window.Handle(), &shown);
    ASSERT_TRUE(backend.Open(1366, 768, false));
    auto frame = [&] {
      backend.Clear(200, 0, 0, 255);
      Square(backend, 100, 100, 64, 0, 200);
      backend.BeginFrame();
      backend.EndFrame();
    };
    SDL_Surface* surface = SDL_GetWindowSurface(window.Handle());
    ASSERT_NE(surface, nullptr);
    ASSERT_EQ(surface->w, 1920);

    // Smaller than the surface: drawn 1:1 into the real area, black beyond it.
    frame();
    EXPECT_STREQ(At(surface, 132, 132), "green");
    EXPECT_STREQ(At(surface, 1300, 700), "red");
    EXPECT_STREQ(At(surface, 1500, 300), "black");
    EXPECT_STREQ(At(surface, 300, 900), "black");

    // Another shape: bars above and below, and the square where a click finds it.
    shown.Width = 1000;
    shown.Height = 700;
    frame();
    double bx, by;
    shown.WindowToBackBuffer(132 * 1000.0 / 1366, 69 + 132 * 1000.0 / 1366, bx, by);
    EXPECT_NEAR(bx, 132, 1);
    EXPECT_NEAR(by, 132, 1);
    EXPECT_STREQ(At(surface, int(132 * 1000.0 / 1366), 69 + int(132 * 1000.0 / 1366)), "green");
    EXPECT_STREQ(At(surface, 500, 30), "black");
    EXPECT_STREQ(At(surface, 500, 690), "black");
    EXPECT_STREQ(At(surface, 500, 350), "red");

    // The size asked: the frame fills the surface; only the moved square is scaled again.
    shown.Width = 1920;
    shown.Height = 1080;
    frame();
    EXPECT_STREQ(At(surface, 960, 5), "red");
    backend.Clear(200, 0, 0, 255);
    Square(backend, 600, 300, 64, 0, 200);
    backend.BeginFrame();
    backend.EndFrame();
    EXPECT_LT(backend.LastDrawnPixels(), 1366 * 768 / 10);
    shown.WindowToBackBuffer(632 * 1920.0 / 1366, 332 * 1920.0 / 1366, bx, by);
    EXPECT_NEAR(bx, 632, 1);
    EXPECT_STREQ(At(surface, int(632 * 1920.0 / 1366), int(332 * 1920.0 / 1366)), "green");
    EXPECT_STREQ(At(surface, int(132 * 1920.0 / 1366), int(132 * 1920.0 / 1366)), "red");
  }
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}
