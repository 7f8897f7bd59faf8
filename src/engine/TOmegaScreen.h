#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/TBlendMode.h"
#include "engine/TComponent.h"
#include "engine/TPicture.h"
#include "platform/IRenderBackend.h"

// One vertex as the image list hands it over: logical pixels, packed ARGB colour.
struct TOmegaVertex {
  float X = 0, Y = 0;
  std::uint32_t Color = 0xFFFFFFFF;  // alpha in the top byte, then red, green, blue
  float U = 0, V = 0;
};

class TOmegaImageList;

// The drawing surface: opens the back end, begins and ends frames, and turns every quad
// into back-buffer pixels through the global transform and colour.
class TOmegaScreen : public TComponent {
 public:
  explicit TOmegaScreen(IRenderBackend* backend = nullptr);
  ~TOmegaScreen() override;

  void SetBackend(IRenderBackend* backend) { Backend = backend; }
  IRenderBackend* GetBackend() const { return Backend; }

  int Width = 800, Height = 600;
  bool FullScreen = false;
  bool VSYNC = false;
  int BBCount = 1;
  bool ZBuffer = true;
  bool BackBufferAccess = true;
  bool ShowMouseCursor = true;
  float ScaleX = 1, ScaleY = 1, Rotation = 0;
  int CenterX = 0, CenterY = 0, OffsetX = 0, OffsetY = 0;

  int GetBpp() const { return Bpp; }
  void SetBpp(int value) { Bpp = value == 32 ? 32 : 16; }
  unsigned GetFrequency() const { return Frequency; }
  void SetFrequency(unsigned value);
  std::uint8_t GetRed() const { return Red; }
  std::uint8_t GetGreen() const { return Green; }
  std::uint8_t GetBlue() const { return Blue; }
  std::uint8_t GetAlpha() const { return Alpha; }
  void SetRed(std::uint8_t v) { Red = v; }
  void SetGreen(std::uint8_t v) { Green = v; }
  void SetBlue(std::uint8_t v) { Blue = v; }
  void SetAlpha(std::uint8_t v) { Alpha = v; }

  std::function<void()> OnInit, OnUnInit;
  // Called with the message when no device can be had; the shell shows it and ends.
  std::function<void(const std::string&)> OnFatalError;
  // The system beeps when full screen asks for a size the device does not take.
  std::function<void()> OnBeep;

  void SetWindow(void* handle);
  bool Initialize();
  // Re-opens with the current settings; 0 on success.
  int Reset();
  bool Ready() const { return Usable && Initialised; }
  void SetFiltering(bool on);
  void Clear(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a);
  void BeginScene();
  void EndScene();
  bool InScene() const { return InSceneFlag; }
  // bmUnchanged keeps the mode; asking for the current one does nothing.
  void SetBlendMode(TBlendMode mode);
  TBlendMode GetBlendMode() const { return BlendMode; }
  void BindTexture(TTextureId id);
  void SubmitQuad(const TOmegaVertex* vertices, int count);

  // The back-buffer size the device opens with (full screen accepts only listed sizes).
  void BackBufferSize(int& w, int& h);
  bool ReadBackBuffer(TPicture& out);

  void RegisterImageList(TOmegaImageList* list);
  void UnregisterImageList(TOmegaImageList* list);

 private:
  void Reinitialise();

  IRenderBackend* Backend;
  int Bpp = 16;
  unsigned Frequency = 0;
  std::uint8_t Red = 255, Green = 255, Blue = 255, Alpha = 255;
  bool Usable = false, Initialised = false, InSceneFlag = false;
  TBlendMode BlendMode = bmNormal;
  TTextureId BoundTexture = 0;
  void* WindowHandle = nullptr;
  void* PreviousWindow = nullptr;
  std::vector<TOmegaImageList*> ImageLists;
};
