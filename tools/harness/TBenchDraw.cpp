#include "TBenchDraw.h"
#include "TOffscreenCanvas.h"

#include <chrono>
#include <cmath>
#include <memory>

#include "engine/TGameRandom.h"
#include "engine/TOmegaImageList.h"
#include "engine/TOmegaScreen.h"
#include "platform/TSoftwareBackend.h"

namespace {
// Pictures of the sizes a real frame uses: a full-screen background, tiles, glows, panels.
TPicture MakePicture(int w, int h, int seed, bool soft) {
  TPicture p;
  p.Resize(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      std::uint8_t* px = p.Row(y) + x * 4;
      px[0] = static_cast<std::uint8_t>((x * 7 + seed * 40) & 0xFF);
      px[1] = static_cast<std::uint8_t>((y * 5 + seed * 90) & 0xFF);
      px[2] = static_cast<std::uint8_t>((x + y + seed * 30) & 0xFF);
      double dx = (x - w / 2.0) / (w / 2.0), dy = (y - h / 2.0) / (h / 2.0);
      double d = std::sqrt(dx * dx + dy * dy);
      px[3] = soft ? static_cast<std::uint8_t>(d >= 1 ? 0 : 255 * (1 - d)) : 255;
    }
  return p;
}

struct TBenchScene {
  TSoftwareBackend Backend;
  std::unique_ptr<TOmegaScreen> Screen;
  std::unique_ptr<TOmegaImageList> Images;
  int Sprites;

  explicit TBenchScene(int sprites) : Sprites(sprites) {
    Screen = std::make_unique<TOmegaScreen>(&Backend);
    Screen->Width = 1366;
    Screen->Height = 768;
    Screen->Initialize();
    Images = std::make_unique<TOmegaImageList>(Screen.get());
    auto add = [&](const char* name, TPicture pic, int cols, int rows) {
      TImageListItem& item = Images->Add(name);
      item.SetPicture(std::move(pic));
      item.SetTileWidth(item.PictureWidth() / cols);
      item.SetTileHeight(item.PictureHeight() / rows);
      item.CreateTexture();
    };
    add("Background", MakePicture(1366, 768, 1, false), 1, 1);
    add("Elements", MakePicture(52 * 18, 52, 2, true), 18, 1);
    add("Glow", MakePicture(128, 128, 3, true), 1, 1);
    add("Panel", MakePicture(300, 200, 4, false), 1, 1);
    add("Particles", MakePicture(45 * 3, 51 * 7, 5, true), 3, 7);
  }

  void DrawFrame(int frame) {
    Screen->SetFiltering(true);
    Screen->Clear(0, 0, 0, 255);
    Screen->BeginScene();
    Images->DrawImage("Background", 0, 0, 0);
    TGameRandom::SetSeed(12345);
    for (int i = 0; i < Sprites; ++i) {
      int kind = TGameRandom::Random(10);
      float x = static_cast<float>(TGameRandom::Random(1300));
      float y = static_cast<float>(TGameRandom::Random(720));
      float angle = static_cast<float>((frame * 3 + i * 17) % 360);
      if (kind < 5) {
        Images->DrawImage("Elements", x, y, i % 18);
      } else if (kind < 7) {
        Images->DrawImage("Glow", x, y, 0,
                          {.G = 240, .B = 200, .A = 160, .ScaleX = 0.6f + (i % 5) * 0.2f,
                           .ScaleY = 0.6f + (i % 5) * 0.2f, .CenterX = 0.5f, .CenterY = 0.5f,
                           .Angle = angle, .Blend = bmAdditive});
      } else if (kind < 9) {
        Images->DrawImage("Particles", x, y, i % 21,
                          {.A = 200, .ScaleX = 0.5f, .ScaleY = 0.5f, .CenterX = 0.5f,
                           .CenterY = 0.5f, .Angle = angle,
                           .Blend = i % 2 == 0 ? bmAdditive : bmNormal});
      } else {
        Images->DrawImage("Panel", x, y, 0, {.A = 230, .ScaleX = 0.8f, .ScaleY = 0.8f});
      }
    }
    Screen->EndScene();
  }
};
}  // namespace

TBenchDraw::TResult TBenchDraw::Run(double seconds, int sprites) {
  TBenchScene scene(sprites);
  scene.DrawFrame(0);  // warm-up
  auto start = std::chrono::steady_clock::now();
  int frames = 0;
  double elapsed = 0;
  while (elapsed < seconds) {
    scene.DrawFrame(++frames);
    elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  TResult r;
  r.Frames = frames;
  r.Seconds = elapsed;
  r.FramesPerSecond = frames / elapsed;
  r.QuadsPerFrame = sprites + 1;
  r.QuadsPerSecond = r.FramesPerSecond * r.QuadsPerFrame;
  return r;
}

bool TBenchDraw::Snapshot(const std::string& file, int sprites, std::string& error) {
  TBenchScene scene(sprites);
  scene.DrawFrame(1);
  return TOffscreenCanvas::WriteShot(*scene.Screen, file, error);
}
