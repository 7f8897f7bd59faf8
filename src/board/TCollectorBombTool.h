#pragma once
#include <functional>
#include <string>

#include "board/TNewToolKind.h"
#include "board/TToolRefusal.h"
#include "engine/SharedTypes.h"
#include "engine/TComponent.h"
#include "platform/TPlatformEvent.h"

class TGameBoard;
class TOmegaImageList;

// One of the six tools on the side panel. It is picked up with the mouse, carried over
// the board (the shell marks what it would hit) and released on a tile; the shell then
// runs the tool's action. Released on a hole or away from the board it flies back.
class TCollectorBombTool : public TComponent {
 public:
  TNewToolKind ToolKind = tlNone;
  std::string ImgName;
  int HangingPosX = 32, HangingPosY = 192;
  bool Available = true;
  // Set once the level fill has finished.
  bool Accessible = true;
  TOmegaImageList* OmgImgList = nullptr;
  // Sounds by name; the shell hands them to the effect player.
  std::function<void(const std::string& name)> PlaySound;
  bool Visible = true;
  int BoardLeft = 0, BoardTop = 0;
  // Where the hanging tool takes a pick-up press.
  int RectLeft = 19, RectTop = 0, RectWidth = 66, RectHeight = 0;
  int DrawOffsetX = 0, DrawOffsetY = 0;
  int ReturnPace = 40;
  // Updates of the flashing icon after the tool has become usable.
  int EnableFlashTime = 24;

  using TNotify = std::function<void(TCollectorBombTool& sender)>;
  TNotify OnPick;
  std::function<void(TCollectorBombTool& sender, TPoint tilePos, TPoint toolPos)> OnClick;
  std::function<void(TCollectorBombTool& sender, TPoint tilePos, bool selectionEnabled,
                     int& fruitColIdx)>
      OnTilePosChange;
  std::function<void(TCollectorBombTool& sender, TPoint tilePos, bool& openable,
                     bool& isBlankTile)>
      OnObjectOpenableAsk;
  // Pressed on its hook while locked or not yet paid for by the flask.
  std::function<void(TCollectorBombTool& sender, TToolRefusal why)> OnRefusedPress;

  // Image, panel rectangle and draw offset of the given tool.
  void SetupAs(TNewToolKind kind);
  // The energy level that makes the tool usable, and whose cost it spends.
  static int EnergyLevel(TNewToolKind kind);
  // The answer to OnObjectOpenableAsk: may the tool be released on this tile?
  static bool IsValidTarget(TNewToolKind kind, const TGameBoard& board, TPoint tile);

  bool Enabled() const { return EnabledFlag; }
  void SetEnabled(bool enabled);

  // Both return true when the tool took the press (the board should then ignore it).
  bool MouseDown(int x, int y, TMouseButton button);
  void MouseMove(int x, int y);
  // Back on its hook at once, not held and not flying.
  void PutBack();
  void UpdateAndDraw();

  bool Held() const { return HeldFlag; }
  bool Returning() const { return ReturningFlag; }
  float PosX() const { return X; }
  float PosY() const { return Y; }
  TPoint TileUnderMouse() const { return MouseTile; }
  int FruitColour() const { return FruitColIdx; }
  bool MouseOverRect(int x, int y) const;
  // The icon frame the hanging tool shows now.
  int HangingFrame() const;

 private:
  TPoint TileAt(int x, int y) const;
  bool InsideGrid(int x, int y) const;
  void ReportTile(TPoint tile);
  void SendBack();

  bool EnabledFlag = true;
  bool HeldFlag = false;
  bool ReturningFlag = false;
  int MouseX = -999, MouseY = -999;
  TPoint MouseTile, ReportedTile;
  float X = 0, Y = 0, SpeedX = 0, SpeedY = 0;
  int FruitColIdx = 0;
  int FlashTimer = 0;
  int SparkFrame = 0;
};
