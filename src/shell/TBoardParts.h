#pragma once
#include <array>
#include <memory>

#include "board/TAerosol.h"
#include "board/TBigBombEffect.h"
#include "board/TBombEffect.h"
#include "board/TBroom.h"
#include "board/TChainLockEffect.h"
#include "board/TCollectorBombTool.h"
#include "board/TCrawlingSpiders.h"
#include "board/TFallingElements.h"
#include "board/TFlowingElements.h"
#include "board/TFlowingTool.h"
#include "board/TGameBoard.h"
#include "board/TGroupedElementsEffect.h"
#include "board/THammerEffect.h"
#include "board/THammeredObjectsEffect.h"
#include "board/TLightningEffect.h"
#include "board/TLockerFiller.h"
#include "board/TLockerFrames.h"
#include "board/TLockerPiecesEffect.h"
#include "board/TLockersAwayEffect.h"
#include "board/TLostBoardEffect.h"
#include "board/TMagicKey.h"
#include "board/TOpeningLockers.h"
#include "board/TShuffleAwayEffect.h"
#include "board/TSwapEffect.h"
#include "board/TWebEffect.h"
#include "effects/TBounceDustEffect.h"
#include "effects/TDiamondButterflies.h"
#include "effects/TBoardBorder.h"
#include "effects/TCollectorEffect.h"
#include "effects/TGlobalShine.h"
#include "effects/TMatchedCyanEffect.h"
#include "effects/TNewDiamondEffect.h"
#include "effects/TShineEffect.h"
#include "effects/TStarsEffect.h"
#include "effects/TUniBubbleEffect.h"

class TOmegaImageList;
class TWidgetMaker;

// The board, the effects that animate its changes and the player's tools with what they
// throw. The board raises a request with a copy of its data, an effect shows it and calls the
// board back at its end; that protocol is wired here. What the level and the scenes make of
// the board's events is the window's.
class TBoardParts {
 public:
  std::unique_ptr<TGameBoard> GameBoard;
  std::unique_ptr<TSwapEffect> SwapEffect;
  std::unique_ptr<TGroupedElementsEffect> GroupedElements;
  std::unique_ptr<TOpeningLockers> OpeningLockers;
  std::unique_ptr<TLockerPiecesEffect> LockerPieces;
  std::unique_ptr<TLockerFrames> LockerFrames;
  std::unique_ptr<TWebEffect> WebEffect;
  std::unique_ptr<TChainLockEffect> ChainLockEffect;
  std::unique_ptr<TFlowingElements> FlowingElements;
  std::unique_ptr<TFallingElements> FallingElements;
  std::unique_ptr<TShuffleAwayEffect> ShuffleAway;
  std::unique_ptr<TLockersAwayEffect> LockersAway;
  std::unique_ptr<TLostBoardEffect> LostBoard;
  std::unique_ptr<TBoardBorder> BoardBorder;
  std::unique_ptr<TMatchedCyanEffect> MatchedCyan;
  std::unique_ptr<TLockerFiller> LockerFiller;
  std::unique_ptr<TCrawlingSpiders> Spiders;
  std::unique_ptr<TGlobalShine> GlobalShine;
  std::unique_ptr<TUniBubbleEffect> UniBubble;
  std::unique_ptr<TStarsEffect> Stars;
  // Dust where elements land and spiders fall; butterflies from a potion found.
  std::unique_ptr<TBounceDustEffect> BounceDust;
  std::unique_ptr<TDiamondButterflies> DiamondButterflies;
  std::unique_ptr<TNewDiamondEffect> NewDiamond;
  std::array<std::unique_ptr<TShineEffect>, 3> Shines;
  // The six collector tools in panel order: blaster, bomb, hammer, horizontal and vertical
  // lightning, big bomb.
  static constexpr int ToolCount = 6;
  std::array<std::unique_ptr<TCollectorBombTool>, ToolCount> Tools;
  std::unique_ptr<THammerEffect> HammerItemEffect, HammerToolEffect;
  std::unique_ptr<THammeredObjectsEffect> HammeredObjects;
  std::unique_ptr<TBombEffect> BombEffect;
  std::unique_ptr<TBigBombEffect> BigBombEffect;
  std::unique_ptr<TLightningEffect> LightningEffect;
  std::unique_ptr<TCollectorEffect> CollectorEffect;
  std::unique_ptr<TMagicKey> MagicKey;
  std::unique_ptr<TBroom> Broom;
  std::unique_ptr<TAerosol> Aerosol;
  std::unique_ptr<TFlowingTool> FlowingKey, FlowingBroom, FlowingAerosol;
  TPoint LeftPanelPos{0, 236};

  // Moves every board effect and tool to the board's current place.
  void PlaceBoardEffects();
  // Hangs the tools on the left panel at its current position.
  void PlaceTools(TPoint leftPanel);
  TCollectorBombTool* Tool(TNewToolKind kind) const;
  // The three older tools: magic key, broom, aerosol.
  std::array<TCarriedTool*, 3> CarriedTools() const;
  // Mouse presses and moves for the tools; true when a tool took the press.
  bool ToolsMouseDown(int x, int y, TMouseButton button);
  void ToolsMouseMove(int x, int y);
  bool AnyToolHeld() const;
  void PutAllToolsBack();
  // The level's opening: the board stays hidden while its tiles drop in.
  void StartLevelFill();
  // The board and its effects in their drawing order: the board layer, the effects over
  // it, the overlays among the panels, and the tools with what they throw. The newer
  // systems go without the global shine, the cyan glow and the stars.
  void DrawBoard();
  void DrawBoardEffects();
  void DrawBoardOverlays();
  void DrawTools();

 protected:
  // Its components play through the maker's sound route.
  void Create(const TWidgetMaker& make, TOmegaImageList& images, bool isWindows8OrLater);
  // The requests and answers between the board, its effects and the tools.
  void Wire();
  // Everything back to the start of a level.
  void ResetForLevel();
  void ReadImageSizes();
  // A used tool's effect, or the board operation it stands for.
  void UseTool(TNewToolKind kind, TPoint tile, TPoint toolPos);
  static TSimpleObjectArray OneTile(TPoint tile);
};
