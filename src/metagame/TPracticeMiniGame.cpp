#include "metagame/TPracticeMiniGame.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/Rounding.h"
#include "engine/TGameRandom.h"
#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"
#include "text/TGlobalGameText.h"
#include "text/TTextStrings.h"
#include "ui/TTextFit.h"

namespace {
constexpr int RowLeft = 395, RowTop = 452;
constexpr double FlyTargetX = 523, FlyTargetY = 179;
constexpr int CookLeft = 389, CookTop = 93;
constexpr int WalkStep = 5;
constexpr int DishAlphaStep = 25;
// The dish name's room: from its x to just short of the small cook's hat.
constexpr int DishNameLeft = 82, DishNameRoom = 310;
constexpr double DishNameScale = 0.9;

std::uint8_t Alpha8(double a) {
  int v = RoundHalfEven(a);
  return static_cast<std::uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
}

bool MoveToward(double& value, double target, double step) {
  if (value < target) value = std::min(value + step, target);
  else if (value > target) value = std::max(value - step, target);
  return value == target;
}

bool Inside(int x, int y, int left, int top, int w, int h) {
  return x >= left && x <= left + w && y >= top && y <= top + h;
}

void SetupPopper(TSpritePopper& p, float max, float step) {
  p.MinRatio = 1.0f;
  p.MaxRatio = max;
  p.NormalRatio = 1.0f;
  p.UpStep = p.DownStep = step;
  p.Reset();
}
}  // namespace

TPracticeMiniGame::TPracticeMiniGame(TOmegaImageList& images, TGlobalGameText& text,
                                     TTextStrings& strings)
    : OmgImgList(images), GlobGameText(text), TextStringsComp(strings), Done(images) {
  for (auto& p : RowPoppers) SetupPopper(p, 1.39f, 0.13f);
  SetupPopper(BadgePopper, 1.39f, 0.13f);
  for (auto& p : PotPoppers) SetupPopper(p, 1.15f, 0.05f);
  SetupPopper(LabelPopper, 1.12f, 0.03f);

  Done.ImageName = "WindowDoneButton";
  Done.PlaySound = [this](const std::string& name) { Sound(name); };
  Done.RequestCursor = [this](TCursorKind kind) {
    if (RequestCursor) RequestCursor(kind);
  };
  Done.OnClick = [this](TGameButton&) { DoneClicked(); };

  Plop.OmgImgList = &OmgImgList;
  Plop.PlaySound = [this](const std::string& name) { Sound(name); };
  Plop.MinMoveUpdCount = 4;
  Plop.MaxMoveUpdCount = 14;
  Plop.DelayTime = 800;
  Plop.OffsetX = Plop.OffsetY = -30;
  Plop.SoundOn = true;
  Plop.StartAlpha = 180;
  Plop.AlphaStep = 13;
  Plop.StartSize = 0.48f;
  Plop.SizeStep = 0.03f;
  Plop.AngleStep = 8;
  Plop.MoveSpeed = 9;

  for (auto& s : Sparkles) {
    s.GridStepX = 26;
    s.GridStepY = 42;
    s.OffsetX = s.OffsetY = -12;
    s.JitterX = s.JitterY = 6;
    s.SizeRatio = 0.35f + 0.045f * TGameRandom::Random(5);
    s.AlphaInc = 19 + 3 * TGameRandom::Random(5);
    s.AlphaDec = 14 + 3 * TGameRandom::Random(3);
    s.AngleStep = static_cast<float>(4 + TGameRandom::Random(5));
    // Started apart, so the three do not flash together; unseen while doing so.
    for (int i = TGameRandom::Random(50); i > 0; --i) s.UpdateAndDraw();
    s.OmgImgList = &OmgImgList;
  }
  Smoke.OmgImgList = &OmgImgList;

  FairyAngle.Setup(-0.85f, 0.85f, 0.035f, 0.035f);
  LampAngle.Setup(-0.1f, 0.1f, 0.007f, 0.007f);
  LampGlow.Setup(-950, 255, 21, 16);
  LampGlow.SetRangeMin(0);
  CookSwing.Setup(-2, 2, 0.15f, 0.15f);
  ArmSwing.Setup(-3.2f, 3.1f, 0.22f, 0.22f);
  ArmSwing2.Setup(-3.2f, 3.2f, 0.55f, 0.6f);
  for (int i = 0; i < 3; ++i) {
    Arrows[i].Setup(-0.2f, 0.2f, 0.035f, 0.035f);
    for (int n = 8 - 4 * i; n > 0; --n) Arrows[i].Step();
  }
  DishSwing.Setup(-0.35f, 0.65f, 0.024f, 0.028f);
  Fire0Alpha.Setup(10, 50, 3, 2);
  Fire1Alpha.Setup(15, 55, 4, 2);
  PotionGlow.Setup(15, 45, 3.8f, 1.5f);
  DishEyes.SetSeq(std::string(32, '-') + "123321" + std::string(75, '-') + "123321");
  DishEyes.Looped = true;
  Reset();
}

void TPracticeMiniGame::Start(int island, int slot, const TElementsCount& price) {
  // The shop only sells items 1..4 of islands 1..5; anything else would index past the table.
  if (island < 1 || island > THiddenIngredientTable::Islands || slot < 1 ||
      slot > THiddenIngredientTable::Slots)
    return;
  FIsland = island;
  FSlot = slot;
  Price = price;
  FDishIdx = 4 * (island - 1) + slot;
  FDishName = TextStringsComp.UpgradeNames[5 * (island - 1) + slot];
  FDishNameScale =
      TTextFit::ScaleToFit(GlobGameText.FontKind, FDishName, DishNameRoom, 0, DishNameScale);
}

void TPracticeMiniGame::Open() {
  Reset();
  State = psSlidingIn;
  WindowTargetY = WindowShownY;
  Sound("PowerUp");
}

void TPracticeMiniGame::Reset() {
  State = psHidden;
  FCookPhase = 0;
  FWindowY = WindowTargetY = WindowHidePosY;
  FProgress = ShownProgress = 0;
  for (THiddenIngredient& h : Table.All()) {
    h.Scale = 1.0;
    h.Angle = 0;
    h.Alpha = HiddenIngredientsAlpha;
    h.Found = false;
    h.Shown = true;
  }
  for (TPracticePot& p : Pots) p = TPracticePot{};
  for (auto& p : RowPoppers) p.Reset();
  for (auto& p : PotPoppers) p.Reset();
  BadgePopper.Reset();
  LabelPopper.Reset();
  Plop.Reset();
  Step2Timer = ClockTimer = 0;
  Step2Armed = ClockRunning = false;
  FWalkOffset = 0;
  DishAlpha = DishAlphaTarget = 0;
  FPresented = false;
  FNextIngredient = 1;
  Done.Visible = false;
  for (auto& s : Sparkles) s.Visible = true;
  BlastSize = BlastTarget = BlastSpeed = BlastAngle = 0;
  BlastAlpha = BlastAlphaTarget = 0;
}

bool TPracticeMiniGame::LoadData() {
  std::string error;
  bool missing = false;
  if (Table.LoadFile(DataFilePath + DataFileName, error, missing)) return true;
  Table.SetDefaults();
  Reset();
  if (OnLoadError) OnLoadError(*this, error);
  return false;
}

void TPracticeMiniGame::MeasureProgressFill() {
  ProgressFillWidth = OmgImgList.TileWidthOf("PracticeStepProgressFill");
  ProgressFillHeight = OmgImgList.TileHeightOf("PracticeStepProgressFill");
  Done.ReloadSize();
}

void TPracticeMiniGame::Finish() {
  if (State == psHidden) return;
  Finished();
}

void TPracticeMiniGame::Finished() {
  State = psHidden;
  if (OnFinished) OnFinished(*this, FIsland, FSlot, Price);
}

// ---- Per update ----------------------------------------------------------------------

void TPracticeMiniGame::StepDecorations() {
  for (TValueUpDown* v : {&FairyAngle, &LampAngle, &LampGlow, &CookSwing, &ArmSwing, &ArmSwing2,
                          &DishSwing, &Fire0Alpha, &Fire1Alpha, &PotionGlow})
    v->Step();
  for (auto& a : Arrows) a.Step();
  DishEyes.Next();
  for (auto& p : RowPoppers) p.Update();
  BadgePopper.Update();
  LabelPopper.Update();
}

void TPracticeMiniGame::UpdateAndDraw() {
  if (State == psHidden) return;
  StepDecorations();
  TMotion::ApproachInt(FWindowY, WindowMoveStepY, WindowTargetY);

  OmgImgList.DrawImage("PracticeWindow" + std::to_string(IslandIdx), SX(0), SY(16), 0);
  OmgImgList.DrawImage("PracticeWindowTitle", SX(304), SY(-4), 0);
  // The cook's walk back ends the steps in the middle of an update.
  auto stepping = [this] {
    return State == psSlidingIn || State == psFindStep || State == psPlaceStep;
  };
  if (stepping()) {
    WalkCook();
    DrawCook();
  }
  GlobGameText.DrawText(SX(DishNameLeft), SY(89), FDishName,
                        {.Scale = FDishNameScale});
  if (stepping()) DrawBadgeAndProgress();
  DrawHints();
  if (stepping()) DrawRecipeRow();
  if (State == psPlaceStep) UpdateClock();

  if (State == psSlidingIn && FWindowY == WindowShownY) {
    State = psFindStep;
    Sound("Recipe_" + std::to_string(FIsland) + "-" + std::to_string(FSlot));
  }
  if (State == psSlidingIn || State == psFindStep) {
    UpdateHidden();
    if (State == psFindStep) UpdateStep2Timer();
  } else if (State == psPlaceStep) {
    UpdatePots();
  } else if (State == psDone || State == psSlidingOut) {
    UpdateDish();
    if (State == psSlidingOut && FWindowY == WindowHidePosY) Finished();
  }
  if (State == psHidden) return;

  Done.SetPosition(RoundHalfEven(SX(449)), RoundHalfEven(SY(583)));
  Done.Draw();
  Plop.UpdateAndDraw();
}

void TPracticeMiniGame::WalkCook() {
  if (FCookPhase == 1) {
    FWalkOffset += WalkStep;
    if (FWalkOffset >= PellowStandbyMoveXCount) {
      FWalkOffset = PellowStandbyMoveXCount;
      FCookPhase = 2;
      Sound("Cooking");
    }
  } else if (FCookPhase == 3) {
    FWalkOffset -= WalkStep;
    if (FWalkOffset <= 0) {
      FWalkOffset = 0;
      FCookPhase = 0;
      State = psDone;
      DishAlphaTarget = 255;
      Done.Visible = true;
    }
  }
}

void TPracticeMiniGame::DrawCook() {
  const bool cooking = FCookPhase == 2;
  const float x = cooking ? SX(CookLeft + PellowStandbyMoveXCount) : SX(CookLeft + FWalkOffset);
  const float y = SY(CookTop);
  const float breath = (500 + CookSwing.Value) / 500;
  OmgImgList.DrawImage("PracticeChar", x, y, 0,
                       {.ScaleX = breath, .CenterX = 0.95f, .CenterY = 0.5f});
  OmgImgList.DrawImage("PracticeStove", SX(427), SY(245), 0);
  const float arm = cooking ? 2.6f * ArmSwing.Value + 20 + ArmSwing2.Value : 0.85f * CookSwing.Value;
  const float pot = cooking ? -2.8f * CookSwing.Value : -0.85f * CookSwing.Value;
  OmgImgList.DrawImage("PracticeChar", x, y, 1,
                       {.CenterX = 0.5285714f, .CenterY = 0.23489933f, .Angle = arm});
  OmgImgList.DrawImage("PracticeChar", x, y, 2,
                       {.CenterX = 0.51428574f, .CenterY = 0.88590604f, .Angle = pot});

  OmgImgList.DrawImage("PracticeFire", SX(423), SY(217), 0,
                       {.A = Alpha8(Fire0Alpha.Value), .Blend = bmAdditive});
  OmgImgList.DrawImage("PracticeFire", SX(514), SY(221), 1,
                       {.A = Alpha8(Fire1Alpha.Value), .Blend = bmAdditive});
  if (cooking) {
    Smoke.Left = RoundHalfEven(SX(539));
    Smoke.Top = RoundHalfEven(SY(239));
    Smoke.UpdateAndDraw(true);
  }
}

void TPracticeMiniGame::DrawBadgeAndProgress() {
  const float r = BadgePopper.Ratio();
  const float badge = 1 + (r - 1) / 3;
  OmgImgList.DrawImage("PracticeStepBG", SX(354), SY(375), 0,
                       {.ScaleX = badge, .ScaleY = badge, .CenterX = 0.5f, .CenterY = 0.5f});
  OmgImgList.DrawImage("PracticeStepTitle", SX(407), SY(386), State == psPlaceStep ? 1 : 0,
                       {.ScaleX = r, .ScaleY = r, .CenterX = 0.5f, .CenterY = 0.5f});

  MoveToward(ShownProgress, FProgress, 0.02);
  OmgImgList.DrawImage("PracticeStepProgress", SX(434), SY(514), 0);
  const int w = RoundHalfEven(ShownProgress * ProgressFillWidth);
  if (w > 0 && ProgressFillHeight > 0)
    if (TImageListItem* fill = OmgImgList.Find("PracticeStepProgressFill"))
      fill->DrawRect({0, 0, w, ProgressFillHeight}, SX(446), SY(526));
}

void TPracticeMiniGame::DrawHints() {
  const float fairy = 0.3f * FairyAngle.Value;
  OmgImgList.DrawImage("HintFairyBody", SX(32), SY(477), 0,
                       {.CenterX = 0.5f, .CenterY = 0.5f, .Angle = fairy});
  const float lamp = LampAngle.Value;
  OmgImgList.DrawImage("HintLamp", SX(69), SY(437), 0,
                       {.CenterX = 0.5f, .CenterY = 0.5f, .Angle = lamp});
  OmgImgList.DrawImage("HintLamp", SX(69), SY(437), 1,
                       {.A = Alpha8(LampGlow.Value), .CenterX = 0.5f, .CenterY = 0.5f,
                        .Angle = lamp});

  const TTextStyle hint{.Scale = 0.54, .Alpha = 170, .ExtraSpacing = -1};
  if (State == psDone) {
    GlobGameText.DrawShadowText(SX(144), SY(531), TextStringsComp.GameTexts[28], hint);
  } else if (State != psSlidingOut) {
    const int first = State == psPlaceStep ? 24 : 20;
    for (int n = 1; n <= 3; ++n)
      GlobGameText.DrawShadowText(SX(144), SY(499 + 16 * n),
                                  TextStringsComp.GameTexts[first + n - 1], hint);
  }
}

void TPracticeMiniGame::DrawRecipeRow() {
  for (int i = 1; i <= 4; ++i) {
    const THiddenIngredient& h = Table.At(FIsland, FSlot, i);
    const float x = SX(RowLeft + IngredientsGap * (i - 1)), y = SY(RowTop);
    const float r = RowPoppers[i - 1].Ratio();
    OmgImgList.DrawImage("HiddenElements", x, y, h.Kind - 1,
                         {.ScaleX = r, .ScaleY = r, .CenterX = 0.5f, .CenterY = 0.5f});
    bool done = false;
    if (State == psFindStep) {
      done = h.Found;
    } else if (State == psPlaceStep && i < FNextIngredient) {
      for (const TPracticePot& p : Pots) done |= p.Done && p.Kind == h.Kind;
    }
    if (done) OmgImgList.DrawImage("PracticeCheckMark", x + 20, y + 9, 0);
  }
  if (State != psPlaceStep) return;
  for (int i = 1; i <= 3; ++i) {
    const float s = 1 + Arrows[i - 1].Value;
    OmgImgList.DrawImage("PracticeArrow", SX(RowLeft + IngredientsGap * (i - 1) + 49),
                         SY(468), 0,
                         {.ScaleX = s, .ScaleY = s, .CenterX = 0.5f, .CenterY = 0.5f});
  }
}

void TPracticeMiniGame::UpdateClock() {
  if (ClockRunning && TMotion::TimerTick(ClockTimer, ProcClockTime)) {
    ClockRunning = false;
    FCookPhase = 3;
    Sound("MatchX");
  }
  const double part = ProcClockTime > 0 ? static_cast<double>(ClockTimer) / ProcClockTime : 1;
  // Nine faces, 0..8: a full clock rounds to 9, which is past the picture's grid.
  OmgImgList.DrawImage("ProcessingClock", SX(601), SY(245), std::min(8, RoundHalfEven(part * 9)));
}

void TPracticeMiniGame::UpdateHidden() {
  bool allFound = true, anyShown = false;
  for (int k = 1; k <= 4; ++k) {
    THiddenIngredient& h = Table.At(FIsland, FSlot, k);
    allFound &= h.Found;
    if (!h.Shown) continue;
    // A found one starts above full alpha and is shown at full until it fades into range.
    OmgImgList.DrawImage("HiddenElements", SX(h.X), SY(h.Y + 16), h.Kind - 1,
                         {.A = Alpha8(h.Alpha), .ScaleX = static_cast<float>(h.Scale),
                          .ScaleY = static_cast<float>(h.Scale), .CenterX = 0.5f,
                          .CenterY = 0.5f, .Angle = static_cast<float>(h.Angle)});
    if (h.Found) {
      h.Angle += 30;
      if (h.Angle >= 360) h.Angle -= 360;
      h.Scale += 0.06;
      h.Alpha -= 20;
      if (h.Alpha < 0) {
        h.Alpha = 0;
        h.Shown = false;
      }
    }
    anyShown |= h.Shown;
  }
  // Armed when the last one has faded, not when the first of four found ones does.
  if (allFound && !anyShown && !Step2Armed) {
    Step2Armed = true;
    Step2Timer = 0;
  }
}

void TPracticeMiniGame::UpdateStep2Timer() {
  if (!Step2Armed || !TMotion::TimerTick(Step2Timer, TimeToStep2)) return;
  Step2Armed = false;
  State = psPlaceStep;
  DealPots();
  FProgress = ShownProgress = 0;
  Plop.Plop(SX(523), SY(462));
  BadgePopper.Pop();
}

void TPracticeMiniGame::DealPots() {
  TGameRandom::Randomize();
  std::vector<int> pool;
  for (int k = 1; k <= 4; ++k) pool.push_back(Table.At(FIsland, FSlot, k).Kind);
  for (int s = 1; s <= 4; ++s) {
    int e = 0;
    for (int draw = 0; draw < 10000; ++draw) {
      e = TGameRandom::Random(16) + 1;
      auto it = std::find(pool.begin(), pool.end(), e);
      if (it != pool.end()) {
        pool.erase(it);
        break;
      }
    }
    TPracticePot& p = Pots[s - 1];
    p = TPracticePot{};
    p.Kind = static_cast<std::uint8_t>(e);
    p.X = p.TargetX = PotLeft(s) + 12;
    p.Y = p.TargetY = PotTop(s) + 12;
    p.Shown = true;
  }
}

void TPracticeMiniGame::UpdatePots() {
  for (auto& p : PotPoppers) p.Update();
  for (int s = 1; s <= 4; ++s) OmgImgList.DrawImage("PracticeSlot", SX(PotLeft(s)), SY(PotTop(s)), 0);
  for (int s = 1; s <= 4; ++s) {
    TPracticePot& p = Pots[s - 1];
    if (p.Done) {
      MoveToward(p.X, p.TargetX, p.StepX);
      MoveToward(p.Y, p.TargetY, p.StepY);
      p.Scale = std::max(0.2, p.Scale - 0.03);
      p.Angle -= 35;
      if (p.Angle < 0) p.Angle += 360;
      int a = p.Alpha;
      TMotion::ApproachInt(a, DishAlphaStep, 0);
      p.Alpha = a;
      if (p.Alpha == 0) p.Shown = false;
    }
    if (!p.Shown) continue;
    const float scale = static_cast<float>(p.Scale) * PotPoppers[s - 1].Ratio();
    OmgImgList.DrawImage("HiddenElements", SX(RoundHalfEven(p.X)), SY(RoundHalfEven(p.Y)),
                         p.Kind - 1,
                         {.A = Alpha8(p.Alpha), .ScaleX = scale, .ScaleY = scale, .CenterX = 0.5f,
                          .CenterY = 0.5f, .Angle = static_cast<float>(p.Angle)});
  }
}

void TPracticeMiniGame::UpdateDish() {
  TMotion::ApproachInt(DishAlpha, DishAlphaStep, DishAlphaTarget);
  if (!FPresented && DishAlphaTarget > 0 && DishAlpha == DishAlphaTarget) {
    FPresented = true;
    Sound("Stamper");
    BlastSize = 0;
    BlastTarget = 3.5;
    BlastSpeed = 0;
    BlastAlpha = 0;
    BlastAlphaTarget = 120;
    LabelPopper.DelayedPop(1000);
    Sound("MyCreation");
  }
  // The whole presentation comes in with the cook's body.
  const double fade = DishAlpha / 255.0;
  const std::uint8_t a = Alpha8(DishAlpha);
  OmgImgList.DrawImage("DishCharBody", SX(243), SY(21), 0, {.A = a});
  const int eyes = DishEyes.Frame();
  if (eyes != TAnimData::Hidden) OmgImgList.DrawImage("DishCharEyes", SX(475), SY(107), eyes, {.A = a});
  OmgImgList.DrawImage("DishCharHand", SX(695), SY(87), 0,
                       {.A = a, .CenterX = 0.97834647f, .CenterY = 0.19354838f,
                        .Angle = 0.28f * DishSwing.Value});

  ShineAngle = std::fmod(ShineAngle + 0.12f, 360.0f);
  // The shine's place and scale are those of a 128-pixel shine; the shared picture is larger,
  // so it is sized and centred to match: a glow about the dish, not over the whole window.
  const int shineW = OmgImgList.TileWidthOf("FeatureShine");
  const int shineH = OmgImgList.TileHeightOf("FeatureShine");
  const float shineScale = shineW > 0 ? 1.36f * 128 / shineW : 1.36f;
  OmgImgList.DrawImage("FeatureShine", SX(470 + 64) - shineW / 2.0f, SY(256 + 64) - shineH / 2.0f, 0,
                       {.A = Alpha8(80 * fade), .ScaleX = shineScale, .ScaleY = shineScale,
                        .CenterX = 0.5f, .CenterY = 0.5f, .Angle = ShineAngle, .Blend = bmAdditive});
  const TDrawStyle dish{.A = a, .CenterX = 0.8959538f, .CenterY = 0.50209206f,
                        .Angle = -DishSwing.Value};
  OmgImgList.DrawImage("PracticePotions", SX(416), SY(243), FDishIdx - 1, dish);
  TDrawStyle glow = dish;
  glow.A = Alpha8(PotionGlow.Value * fade);
  glow.Blend = bmAdditive;
  OmgImgList.DrawImage("PracticePotions", SX(416), SY(243), FDishIdx - 1, glow);

  for (auto& s : Sparkles) {
    s.AreaLeft = RoundHalfEven(SX(480));
    s.AreaTop = RoundHalfEven(SY(274));
    s.AreaRight = s.AreaLeft + 106;
    s.AreaBottom = s.AreaTop + 129;
    s.AlphaFactor = static_cast<float>(fade);
    s.UpdateAndDraw();
  }
  UpdateBlast();
  if (FPresented) {
    const float r = LabelPopper.Ratio();
    OmgImgList.DrawImage("PracticeMyCreation", SX(616), SY(47), 0,
                         {.A = 225, .ScaleX = r, .ScaleY = r, .CenterX = 0.5f, .CenterY = 0.5f});
  }
}

void TPracticeMiniGame::UpdateBlast() {
  const bool growing = BlastSize < 0.6 * BlastTarget;
  if (growing) BlastSpeed += 0.017;
  else BlastSpeed = std::max(0.0, BlastSpeed - 0.01);
  MoveToward(BlastSize, BlastTarget, BlastSpeed);
  BlastAngle = std::fmod(BlastAngle + 25, 360.0);
  if (BlastSize < 0.6 * BlastTarget) TMotion::ApproachInt(BlastAlpha, 15, BlastAlphaTarget);
  else TMotion::ApproachInt(BlastAlpha, BlastSize < 0.8 * BlastTarget ? 10 : 15, 0);
  if (BlastSize <= 0) return;
  struct TLayer {
    double Part;
    std::uint8_t G, B;
  };
  for (const TLayer& l : {TLayer{0.7, 0, 255}, TLayer{0.85, 255, 0}, TLayer{1.0, 0, 255}}) {
    const float s = static_cast<float>(l.Part * BlastSize);
    OmgImgList.DrawImage("PracticeBlast", SX(433), SY(229), 0,
                         {.R = 0, .G = l.G, .B = l.B, .A = Alpha8(l.Part * BlastAlpha),
                          .ScaleX = s, .ScaleY = s, .CenterX = 0.51f, .CenterY = 0.51f,
                          .Angle = static_cast<float>(BlastAngle), .Blend = bmAdditive});
  }
}

// ---- Input ------------------------------------------------------------------------------

void TPracticeMiniGame::MouseDown(int x, int y, bool leftButton) {
  if (!leftButton || !TakesInput()) return;
  const int wx = x - WindowLeft, wy = y - FWindowY;
  if (State == psFindStep) FindAt(wx, wy);
  else if (State == psPlaceStep) PlaceAt(wx, wy);
  else Done.MouseDown(x, y, true);
}

void TPracticeMiniGame::MouseMove(int x, int y) {
  if (!TakesInput()) return;
  if (State == psDone) {
    Done.MouseMove(x, y);
    return;
  }
  if (State != psPlaceStep || !RequestCursor) return;
  const int wx = x - WindowLeft, wy = y - FWindowY;
  for (int s = 1; s <= 4; ++s)
    if (!Pots[s - 1].Done && Inside(wx, wy, PotLeft(s), PotTop(s), SlotRectWidth, SlotRectHeight)) {
      RequestCursor(TCursorKind::Hand);
      return;
    }
}

void TPracticeMiniGame::MouseUp(int x, int y) {
  if (State == psDone) Done.MouseUp(x, y);
}

void TPracticeMiniGame::FindAt(int wx, int wy) {
  for (int k = 1; k <= 4; ++k) {
    THiddenIngredient& h = Table.At(FIsland, FSlot, k);
    if (h.Found ||
        !Inside(wx, wy, h.X, h.Y + 16, HiddenIngredRectWidth, HiddenIngredRectHeight))
      continue;
    h.Found = true;
    h.Alpha = 350;
    FProgress += 0.25;
    Sound("ToolAcquired");
    RowPoppers[k - 1].Pop();
  }
}

void TPracticeMiniGame::PlaceAt(int wx, int wy) {
  if (FNextIngredient > 4) return;
  const int wanted = Table.At(FIsland, FSlot, FNextIngredient).Kind;
  for (int s = 1; s <= 4; ++s) {
    TPracticePot& p = Pots[s - 1];
    if (p.Done || !Inside(wx, wy, PotLeft(s), PotTop(s), SlotRectWidth, SlotRectHeight)) continue;
    if (p.Kind != wanted) {
      PotPoppers[s - 1].Pop();
      Sound("DisabledTile");
      continue;
    }
    p.Done = true;
    FProgress += 0.25;
    p.TargetX = FlyTargetX;
    p.TargetY = FlyTargetY;
    float sx = 0, sy = 0;
    TMotion::StraightLineSpeeds(static_cast<float>(p.X), static_cast<float>(p.Y),
                                static_cast<float>(FlyTargetX), static_cast<float>(FlyTargetY), 16,
                                sx, sy);
    p.StepX = sx;
    p.StepY = sy;
    Sound("ToolAcquired");
    RowPoppers[FNextIngredient - 1].Pop();
    if (std::all_of(Pots.begin(), Pots.end(), [](const TPracticePot& q) { return q.Done; })) {
      ClockRunning = true;
      ClockTimer = 0;
      FCookPhase = 1;
      Sound("MatchX");
    }
    ++FNextIngredient;
    return;
  }
}

void TPracticeMiniGame::DoneClicked() {
  if (State != psDone) return;
  State = psSlidingOut;
  WindowTargetY = WindowHidePosY;
  for (auto& s : Sparkles) s.Visible = false;
}
