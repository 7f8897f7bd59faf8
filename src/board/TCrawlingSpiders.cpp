#include "board/TCrawlingSpiders.h"

#include "engine/Rounding.h"
#include "engine/TGameRandom.h"
#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"

namespace {
const TPoint Directions[4] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};
}

void TCrawlingSpiders::PrepareMeasurements() {
  if (!OmgImgList) return;
  if (int w = OmgImgList->TileWidthOf("SpiderWalking")) SpiderWidth = w;
  if (int h = OmgImgList->TileHeightOf("SpiderWalking")) SpiderHeight = h;
}

void TCrawlingSpiders::CountElement() {
  if (++ElementCounter < FruitsInterval) return;
  ElementCounter = 0;
  if (OnFruitsIntervalReached) OnFruitsIntervalReached(*this);
}

void TCrawlingSpiders::StartWave(const TBoardData& board, int websOnBoard) {
  Board = board;
  Budget = MaxWebs - websOnBoard;
  Webs = 0;
  ToAdd = MaxSpidersOnBoard - ActiveCount();
  if (ToAdd < 0) ToAdd = 0;
  AddTimer = 0;
  Delay = 350 + 350 * TGameRandom::Random(10);
}

int TCrawlingSpiders::ActiveCount() const {
  int n = 0;
  for (const TSpider& s : Spiders)
    n += s.State == ssWalking || s.State == ssStopped || s.State == ssMakingWeb ||
         s.State == ssDroppingIn;
  return n;
}

bool TCrawlingSpiders::AnyOnBoard() const {
  for (const TSpider& s : Spiders)
    if (OnBoardState(s.State) || s.State == ssDroppingIn) return true;
  return false;
}

void TCrawlingSpiders::AddSpider() {
  if (Webs >= Budget) return;
  TSpider* slot = nullptr;
  for (TSpider& s : Spiders)
    if (s.State == ssFree) {
      slot = &s;
      break;
    }
  if (!slot) return;
  TPoint top;
  if (OnTopBoardPosRequest) OnTopBoardPosRequest(*this, top);
  if (!InBoardGrid(top)) return;
  TSpider& s = *slot;
  s = TSpider{};
  s.State = ssDroppingIn;
  s.Tile = s.TargetTile = top;
  const TPoint p = TilePoint(top);
  s.X = s.TargetX = static_cast<float>(p.X);
  s.TargetY = static_cast<float>(p.Y);
  s.Y = static_cast<float>(-32 * TGameRandom::Random(15));
}

void TCrawlingSpiders::WalkTo(TSpider& s, TPoint tile) {
  s.TargetTile = tile;
  const TPoint p = TilePoint(tile);
  s.TargetX = static_cast<float>(p.X);
  s.TargetY = static_cast<float>(p.Y);
  s.State = ssWalking;
}

bool TCrawlingSpiders::PickDirection(TSpider& s) {
  for (int i = 0; i < 10000; ++i) {
    const TPoint d = Directions[TGameRandom::Random(4)];
    const TPoint n{s.Tile.X + d.X, s.Tile.Y + d.Y};
    if (InBoardGrid(n) && Board.At(n).ObjectKind != okUnused) {
      WalkTo(s, n);
      return true;
    }
  }
  s.State = ssStopped;  // boxed in: try again later
  s.Timer = 0;
  return false;
}

bool TCrawlingSpiders::WeavingOn(TPoint tile, const TSpider& except) const {
  for (const TSpider& o : Spiders)
    if (&o != &except && (o.State == ssAnchoring || o.State == ssMakingWeb) && o.Tile == tile)
      return true;
  return false;
}

void TCrawlingSpiders::Arrive(TSpider& s) {
  s.Tile = s.TargetTile;
  bool possible = false;
  if (OnTilePossibleToWebQuestion) OnTilePossibleToWebQuestion(*this, s.Tile, possible);
  if (possible && Webs < Budget && !WeavingOn(s.Tile, s) &&
      TGameRandom::Random(OneWebEveryProb) == 0) {
    s.State = ssAnchoring;
    s.Anchoring.Restart();
    return;
  }
  if (TGameRandom::Random(OneStoppingEveryProb) == 0) {
    s.State = ssStopped;
    s.Timer = 0;
    return;
  }
  PickDirection(s);
}

void TCrawlingSpiders::StartHit(TSpider& s) {
  s.State = ssHit;
  s.Hit.Restart();
  s.HitX = s.X;
  s.HitY = s.Y;
}

void TCrawlingSpiders::HitOnTiles(const TSimpleObjectArray& mask) {
  bool any = false;
  for (TSpider& s : Spiders)
    if (OnBoardState(s.State) && mask.IsSet(s.Tile)) {
      StartHit(s);
      any = true;
    }
  if (any && PlaySound) PlaySound("SpiderHit");
}

void TCrawlingSpiders::HitOnFallingTiles(const TTileState (&states)[BoardColumns][BoardRows]) {
  bool any = false;
  for (TSpider& s : Spiders)
    if (OnBoardState(s.State) && InBoardGrid(s.Tile) &&
        states[s.Tile.X - 1][s.Tile.Y - 1] == tsFalling) {
      StartHit(s);
      any = true;
    }
  if (any && PlaySound) PlaySound("SpiderHit");
}

void TCrawlingSpiders::HitInRect(int left, int top, int right, int bottom) {
  bool any = false;
  for (TSpider& s : Spiders) {
    if (!OnBoardState(s.State)) continue;
    const float cx = s.X + SpiderAdjustX + SpiderWidth / 2.0f;
    const float cy = s.Y + SpiderAdjustY + SpiderHeight / 2.0f;
    if (cx >= left && cx < right && cy >= top && cy < bottom) {
      StartHit(s);
      any = true;
    }
  }
  if (any && PlaySound) PlaySound("SpiderHit");
}

void TCrawlingSpiders::SendAllAway() {
  bool any = false;
  for (TSpider& s : Spiders) {
    // A spider already knocked off is not caught a second time.
    if (s.State == ssFree || s.State == ssHit || s.State == ssRollingOff) continue;
    StartHit(s);
    any = true;
  }
  if (any && PlaySound) PlaySound("SpiderHit");
}

void TCrawlingSpiders::Update(TSpider& s) {
  const bool held = Frozen && OnBoardState(s.State);
  if (held) return;
  switch (s.State) {
    case ssFree: return;
    case ssDroppingIn:
      if (TMotion::ApproachFloat(s.Y, s.TargetY, static_cast<float>(FallingMoveStep))) {
        s.State = ssStopped;
        s.Timer = 0;
        if (OnAnySpiderLanding) OnAnySpiderLanding(*this, s.Tile);
      }
      return;
    case ssStopped:
      if (TMotion::TimerTick(s.Timer, StoppingTime)) PickDirection(s);
      return;
    case ssWalking:
      if (Webs >= Budget) {
        s.State = ssDroppingToGround;
        return;
      }
      s.Walking.Next();
      {
        const bool atX = TMotion::ApproachFloat(s.X, s.TargetX, static_cast<float>(MoveStep));
        const bool atY = TMotion::ApproachFloat(s.Y, s.TargetY, static_cast<float>(MoveStep));
        if (atX && atY) Arrive(s);
      }
      return;
    case ssAnchoring:
      if (s.Anchoring.AtEnd()) {
        s.State = ssMakingWeb;
        s.MakingWeb.Restart();
        s.Timer = 0;
      } else {
        s.Anchoring.Next();
      }
      return;
    case ssMakingWeb:
      s.MakingWeb.Next();
      if (TMotion::TimerTick(s.Timer, MakeWebTime)) {
        ++Webs;
        if (OnPutWeb) OnPutWeb(*this, s.Tile);
        PickDirection(s);
      }
      return;
    case ssDroppingToGround:
      if (TMotion::ApproachFloat(s.Y, static_cast<float>(VertGroundYPos),
                                 static_cast<float>(FallingMoveStep)))
        s.State = ssWalkingAway;
      return;
    case ssWalkingAway:
      s.Walking.Next();
      s.X += static_cast<float>(WalkAwayMoveStep);
      if (s.X >= DisappearHorzXPos) s.State = ssFree;
      return;
    case ssHit:
      if (!s.Hit.AtEnd()) {
        s.Hit.Next();
        return;
      }
      {
        bool required = false;
        if (OnOneSpiderHit)
          OnOneSpiderHit(*this, RoundHalfEven(s.X) + SpiderAdjustX,
                         RoundHalfEven(s.Y) + SpiderAdjustY, required);
        if (required) {
          s.State = ssFree;  // it flies to the panel as a token instead
        } else {
          s.State = ssRollingOff;
          s.Angle = 0;
          s.HitY = s.Y;
        }
      }
      return;
    case ssRollingOff:
      TMotion::TurnAngle(1, s.Angle, 12);
      s.Y += static_cast<float>(FallingMoveStep);
      if (s.Y >= DisappearVertYPos) {
        s.State = ssFree;
        return;
      }
      if (s.Y - s.HitY <= DustEffectAfterHitRange && OnFallingPosUpdate)
        OnFallingPosUpdate(*this, {RoundHalfEven(s.X) + SpiderAdjustX + SpiderWidth / 2,
                                   RoundHalfEven(s.Y) + SpiderAdjustY + SpiderHeight / 2});
      return;
  }
}

void TCrawlingSpiders::Draw(TSpider& s) {
  const char* name = "SpiderWalking";
  int pattern = 0;
  switch (s.State) {
    case ssAnchoring: name = "SpiderAnchoring"; pattern = s.Anchoring.Frame(); break;
    case ssMakingWeb: name = "SpiderMakingWeb"; pattern = s.MakingWeb.Frame(); break;
    case ssHit: name = "SpiderHit"; pattern = s.Hit.Frame(); break;
    case ssRollingOff: name = "SpiderHit"; pattern = 5; break;
    default: pattern = s.Walking.Frame(); break;
  }
  const bool airborne = s.State == ssDroppingIn || s.State == ssDroppingToGround ||
                        s.State == ssHit || s.State == ssRollingOff;
  const int shadowX = ShadowAdjustX * (airborne ? 2 : 1);
  const int shadowY = ShadowAdjustY * (airborne ? 2 : 1);
  float x = static_cast<float>(RoundHalfEven(s.X) + SpiderAdjustX);
  float y = static_cast<float>(RoundHalfEven(s.Y) + SpiderAdjustY);
  float cx = 0, cy = 0, angle = 0;
  if (s.State == ssRollingOff) {
    x += static_cast<float>(SpiderRollAdjX);
    y += static_cast<float>(SpiderRollAdjY);
    cx = 0.25f;
    cy = 0.65f;
    angle = s.Angle;
  }
  OmgImgList->DrawImage(name, x + shadowX, y + shadowY, pattern,
                        {.R = 0, .G = 0, .B = 0, .A = static_cast<std::uint8_t>(ShadowAlpha),
                         .CenterX = cx, .CenterY = cy, .Angle = angle});
  OmgImgList->DrawImage(name, x, y, pattern, {.CenterX = cx, .CenterY = cy, .Angle = angle});
}

void TCrawlingSpiders::UpdateAndDraw() {
  if (!Visible) return;
  if (!Frozen && ToAdd > 0 && TMotion::TimerTick(AddTimer, Delay)) {
    AddTimer = 0;
    --ToAdd;
    AddSpider();
    Delay = 350 + 350 * TGameRandom::Random(10);
  }
  for (TSpider& s : Spiders) {
    Update(s);
    if (s.State != ssFree && OmgImgList) Draw(s);
  }
}

void TCrawlingSpiders::Reset() {
  for (TSpider& s : Spiders) s = TSpider{};
  ElementCounter = 0;
  Budget = Webs = ToAdd = AddTimer = Delay = 0;
  // A won round stops the spiders; the next round must have them again.
  Frozen = false;
}
