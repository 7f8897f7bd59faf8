#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "board/TBoardData.h"
#include "board/TSimpleObjectArray.h"
#include "board/TTileState.h"
#include "engine/SharedTypes.h"
#include "engine/TAnimData.h"
#include "engine/TComponent.h"

class TOmegaImageList;

// Spiders that drop onto the board in waves, wander from tile to tile and weave webs
// until their wave's web budget is spent. Matches, bombs and sprays knock them off.
class TCrawlingSpiders : public TComponent {
 public:
  static constexpr int SlotCount = 20;

  enum TSpiderState : std::uint8_t {
    ssWalking = 0,
    ssStopped = 1,
    ssAnchoring = 2,
    ssMakingWeb = 3,
    ssFree = 4,
    ssDroppingToGround = 5,
    ssWalkingAway = 6,
    ssDroppingIn = 7,
    ssHit = 8,
    ssRollingOff = 9,
  };
  struct TSpider {
    TSpiderState State = ssFree;
    TPoint Tile, TargetTile;
    float X = 0, Y = 0, TargetX = 0, TargetY = 0;
    int Timer = 0;
    float HitX = 0, HitY = 0;
    float Angle = 0;
    TAnimData Walking{"AAABBBCCCDDDEEEFFFGGGHHHIII", true};
    TAnimData Anchoring{"AAAABBBBCCCCDDDDEEEEFFFFGGGG", false};
    TAnimData MakingWeb{"AABBCCDD", true};
    TAnimData Hit{"AABBCCDDDEEEFFFF", false};
  };

  int FruitsInterval = 60;
  int MaxSpidersOnBoard = 2;
  int MaxWebs = 3;
  int OneWebEveryProb = 15;
  int MoveStep = 2;
  int OneStoppingEveryProb = 6;
  int StoppingTime = 400;
  int MakeWebTime = 5000;
  int FallingMoveStep = 17;
  int WalkAwayMoveStep = 13;
  int VertGroundYPos = 730;
  int DisappearHorzXPos = 1366;
  int DisappearVertYPos = 768;
  int SpiderAdjustX = -20, SpiderAdjustY = -29;
  int SpiderRollAdjX = 0, SpiderRollAdjY = -10;
  int ShadowAlpha = 60;
  int ShadowAdjustX = 6, ShadowAdjustY = 3;
  int DustEffectAfterHitRange = 150;
  int SpiderWidth = 48, SpiderHeight = 48;
  bool Frozen = false;
  bool Visible = true;
  TOmegaImageList* OmgImgList = nullptr;
  // Sounds by name; the shell hands them to the effect player.
  std::function<void(const std::string& name)> PlaySound;
  int BoardLeft = 0, BoardTop = 0;

  std::function<void(TCrawlingSpiders& sender, TPoint tilePos)> OnPutWeb;
  std::function<void(TCrawlingSpiders& sender)> OnFruitsIntervalReached;
  std::function<void(TCrawlingSpiders& sender, TPoint tilePos, bool& tilePossibleToWeb)>
      OnTilePossibleToWebQuestion;
  std::function<void(TCrawlingSpiders& sender, TPoint& topTilePos)> OnTopBoardPosRequest;
  std::function<void(TCrawlingSpiders& sender, int x, int y, bool& isRequiredElement)>
      OnOneSpiderHit;
  std::function<void(TCrawlingSpiders& sender, TPoint pos)> OnFallingPosUpdate;
  std::function<void(TCrawlingSpiders& sender, TPoint landingPos)> OnAnySpiderLanding;

  // The spider's size comes from its walking picture once pictures are loaded.
  void PrepareMeasurements();
  // One grouped element towards the next wave.
  void CountElement();
  void StartWave(const TBoardData& board, int websOnBoard);
  void HitOnTiles(const TSimpleObjectArray& mask);
  void HitOnFallingTiles(const TTileState (&states)[BoardColumns][BoardRows]);
  // Screen rectangle, right and bottom exclusive; spiders whose centre lies inside.
  void HitInRect(int left, int top, int right, int bottom);
  void SendAllAway();
  void UpdateAndDraw();
  void Reset();

  // Where a spider stands on a tile.
  TPoint TilePoint(TPoint tile) const {
    return {BoardLeft + 52 * tile.X - 48, BoardTop + 52 * tile.Y - 34};
  }
  const TSpider& Spider(int index) const { return Spiders[index]; }
  // Dropping in, stopped, walking or weaving.
  int ActiveCount() const;
  bool AnyOnBoard() const;
  int ElementCount() const { return ElementCounter; }
  int WebBudget() const { return Budget; }
  int WebsMade() const { return Webs; }
  int SpidersToAdd() const { return ToAdd; }
  int AddDelay() const { return Delay; }

 private:
  void AddSpider();
  void Update(TSpider& s);
  void Arrive(TSpider& s);
  void WalkTo(TSpider& s, TPoint tile);
  bool PickDirection(TSpider& s);
  void StartHit(TSpider& s);
  void Draw(TSpider& s);
  bool WeavingOn(TPoint tile, const TSpider& except) const;
  static bool OnBoardState(TSpiderState st) { return st <= ssMakingWeb; }

  TSpider Spiders[SlotCount];
  TBoardData Board{};
  int ElementCounter = 0;
  int Budget = 0;
  int Webs = 0;
  int ToAdd = 0;
  int AddTimer = 0;
  int Delay = 0;
};
