#pragma once
#include <functional>
#include <string>

#include "board/TToolRefusal.h"
#include "engine/SharedTypes.h"
#include "engine/TComponent.h"
#include "platform/TPlatformEvent.h"

class TOmegaImageList;

// What the magic key, the broom and the aerosol share: a stock of up to nine collected
// from pick-ups, taken from the panel with the mouse, released on a tile, and flown back
// when put down elsewhere or left idle in hand.
class TCarriedTool : public TComponent {
 public:
  static constexpr int MaxCount = 9;

  std::string ImgName;
  int HangingPosX = 0, HangingPosY = 0;
  int RectWidth = 60, RectHeight = 60;  // the pick-up area at the hanging position
  int DrawOffsetX = -15, DrawOffsetY = -14;
  bool Available = true;
  bool Accessible = true;
  TOmegaImageList* OmgImgList = nullptr;
  // Sounds by name; the shell hands them to the effect player.
  std::function<void(const std::string& name)> PlaySound;
  bool Visible = true;
  int BoardLeft = 0, BoardTop = 0;
  int IdleReturnTime = 6000;
  int ReturnPace = 40;

  // The shell answers from the board (each tool's IsValidTarget).
  std::function<void(TCarriedTool& sender, TPoint tilePos, bool& valid)> OnTargetValidQuestion;
  // Pressed on its hook with none collected, or with nothing for it to work on.
  std::function<void(TCarriedTool& sender, TToolRefusal why)> OnRefusedPress;

  ~TCarriedTool() override = default;

  int Count() const { return Stock; }
  void SetCount(int count);
  // One more collected, while fewer than nine are held.
  void Acquire();
  bool MouseDown(int x, int y, TMouseButton button);
  void MouseMove(int x, int y);
  void PutBack();
  void UpdateAndDraw();
  bool Held() const { return HeldFlag; }
  bool Returning() const { return ReturningFlag; }
  // While the tool works (a sweep, a spray) the others wait.
  virtual bool Working() const { return false; }

 protected:
  virtual bool CanPick() { return true; }
  // Released on a valid tile; the stock has already lost one.
  virtual void Use(TPoint tile, int x, int y) = 0;
  virtual void UpdateWork() {}
  virtual void DrawWork() {}
  TPoint TileAt(int x, int y) const;

 private:
  void SendBack();

  int Stock = 0;
  bool HeldFlag = false, ReturningFlag = false;
  float X = 0, Y = 0, SpeedX = 0, SpeedY = 0;
  int IdleTimer = 0;
};
