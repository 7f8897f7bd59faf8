#include "metagame/TPellowRestoCustomers.h"

#include <algorithm>

#include "engine/Rounding.h"
#include "engine/TGameRandom.h"
#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"
#include "metagame/TRestoPlaces.h"
#include "text/TGlobalGameText.h"
#include "text/TTextStrings.h"

namespace {
constexpr int MaxDraws = 100;
constexpr int SignAlphaStep = 22;
constexpr int CountersAlphaStep = 12;
constexpr int CountersDrop = 22;
constexpr int DishesPerIsland = 4;
// The dish drawn in the order balloon and on the terrace table, by where its middle goes: the
// shared dish picture is a tall tile with the plate in its lower part, so its top-left corner
// would put the plate outside the balloon and under the street.
constexpr float BalloonDishMiddleX = 550 - 420, BalloonDishMiddleY = 136 - 200;
constexpr float EatingDishMiddleX = 678 + 95, EatingDishMiddleY = 180;
constexpr float BalloonDishScaleX = 0.25f, BalloonDishScaleY = 0.26f, EatingDishScale = 0.4f;

std::uint8_t Alpha8(int a) { return static_cast<std::uint8_t>(std::clamp(a, 0, 255)); }

void SetupPopup(TSpritePopper& p, float floatStep, int alphaStep, int endAlpha) {
  p.MinRatio = 0.65f;
  p.MaxRatio = 1.2f;
  p.NormalRatio = 1.0f;
  p.UpStep = 0.2f;
  p.DownStep = 0.1f;
  p.FloatType = ftAfterPop;
  p.FloatStep = floatStep;
  p.FloatAlphaStep = alphaStep;
  p.FloatEndAlpha = endAlpha;
  p.Reset();
}
}  // namespace

TPellowRestoCustomers::TPellowRestoCustomers() {
  SetupPopup(ThumbPopper, 1, 3, 100);
  SetupPopup(MoneyPopper, 2, 6, 80);
  SetupPopup(HeartPopper, 1, 4, 80);
  SetupPopup(BrokenHeartPopper, 1, 4, 80);
  SetupPopup(PraisePopper, 1, 4, 80);
  SignPopper.MinRatio = 0.65f;
  SignPopper.MaxRatio = 1.1f;
  SignPopper.NormalRatio = 1.0f;
  SignPopper.UpStep = 0.08f;
  SignPopper.DownStep = 0.04f;
  SignPopper.FloatType = ftNone;
  SignPopper.FloatEndAlpha = 50;
  SignPopper.Reset();
}

int TPellowRestoCustomers::MoneyOf(int rating) {
  static constexpr int money[6] = {0, 21, 27, 33, 39, 45};
  return rating >= 0 && rating <= 5 ? money[rating] : 0;
}

int TPellowRestoCustomers::PraiseOf(int rating) {
  switch (rating) {
    case 1: return 1;
    case 2: return 2 + TGameRandom::Random(2);
    case 3: return 4 + TGameRandom::Random(2);
    case 4: return 6 + TGameRandom::Random(2);
    default: return 8;
  }
}

const char* TPellowRestoCustomers::GenderSuffix(int kind) {
  return kind == 1 || kind == 2 || kind == 5 || kind == 9 ? "_f" : "_m";
}

void TPellowRestoCustomers::FigureOffset(int kind, int& dx, int& dy) {
  const TRestoPlaces::TOffset o = TRestoPlaces::FigureOffset(kind);
  dx = o.X;
  dy = o.Y;
}

void TPellowRestoCustomers::SetMenu(const std::set<int>& slots) {
  Menu.fill(false);
  for (int s : slots)
    if (s >= 1 && s <= MenuSlots) Menu[s] = true;
}

void TPellowRestoCustomers::SetTodaysSpecial(int slot) {
  Special = slot >= 1 && slot <= MenuSlots ? slot : 0;
}

int TPellowRestoCustomers::MenuCount() const {
  return static_cast<int>(std::count(Menu.begin() + 1, Menu.end(), true));
}

int TPellowRestoCustomers::PresentCount() const {
  return static_cast<int>(std::count_if(Customers.begin(), Customers.end(),
                                        [](const TRestoCustomer& c) { return c.Present(); }));
}

int TPellowRestoCustomers::QueuingCount() const {
  return static_cast<int>(
      std::count_if(Customers.begin(), Customers.end(),
                    [](const TRestoCustomer& c) { return c.State == TRestoCustomer::csQueuing; }));
}

void TPellowRestoCustomers::Restart() {
  Customers.fill(TRestoCustomer{});
  ToCome = MenuCount() + 2;
  EntryTimer = 0;
  FSettled = false;
  Open = false;
  FSignPattern = 1;
  FSignAlpha = SignTargetAlpha = 0;
  FCountersAlpha = 255;
  ShownMoney = Money;
  HeartPattern = PraisePattern = 1;
  for (TSpritePopper* p :
       {&ThumbPopper, &MoneyPopper, &HeartPopper, &BrokenHeartPopper, &PraisePopper, &SignPopper})
    p->Reset();
  BrokenHeart.Restart();
}

void TPellowRestoCustomers::AddCustomers() {
  // Never below none: a negative count would take customers off the served counter at Settle.
  ToCome = std::max(0, MenuCount() - PresentCount() + 2);
}

void TPellowRestoCustomers::Settle() {
  if (FSettled) return;
  FSettled = true;
  for (const TRestoCustomer& c : Customers) {
    if (c.State == TRestoCustomer::csQueuing) {
      const int rating = RateNow(c.Dish);
      // Only a customer whose dish is on the menu is served, as in the cycle itself.
      Served += rating > 0;
      Money += MoneyOf(rating);
    } else if (c.State == TRestoCustomer::csEating && !c.MoneyShown) {
      // Rated on entering already; the heart it is about to show must match what it paid.
      Money += MoneyOf(c.Rating);
    }
  }
  // One reseed for all: reseeding per customer within the same clock tick would give every
  // customer to come the same dish.
  TGameRandom::Randomize();
  for (int k = 0; k < ToCome; ++k) {
    const int rating = RateNow(ChooseDish(false));
    Served += rating > 0;
    Money += MoneyOf(rating);
  }
  ShownMoney = Money;
  TraceCounters();
}

void TPellowRestoCustomers::TraceCounters() {
  Trace("money " + std::to_string(Money) + " " + std::to_string(Served));
}

int TPellowRestoCustomers::ChooseKind() const {
  for (int draw = 0; draw < MaxDraws; ++draw) {
    const int kind = TGameRandom::Random(MaxCustomerKindIdx) + 1;
    bool used = false;
    for (const TRestoCustomer& c : Customers) used |= c.Present() && c.Kind == kind;
    if (!used) return kind;
  }
  return 1;
}

int TPellowRestoCustomers::ChooseDish(bool reseed) const {
  if (reseed) TGameRandom::Randomize();
  const bool match = TGameRandom::Random(NoFoodMatchXProb) != 0;
  if (MenuCount() == 0) return TGameRandom::Random(DishesPerIsland) + 1;
  for (int draw = 0; draw < MaxDraws; ++draw) {
    const int dish = TGameRandom::Random(DishesPerIsland) + 1;
    if (OnMenu(dish) == match) return dish;
  }
  return 1;
}

int TPellowRestoCustomers::RateNow(int dish) const {
  if (!OnMenu(dish)) return 0;
  return MenuCount() + (dish == Special && TGameRandom::Random(3) != 0 ? 1 : 0);
}

void TPellowRestoCustomers::Arrive() {
  if (!TMotion::TimerTick(EntryTimer, EntryInterval)) return;
  EntryTimer = 0;
  if (ToCome <= 0 || QueuingCount() >= MaxQueuingCusts) return;
  auto free = std::find_if(Customers.begin(), Customers.end(),
                           [](const TRestoCustomer& c) { return !c.Present(); });
  // Every place taken: the customer waits for the next interval instead of being lost.
  if (free == Customers.end()) return;
  --ToCome;
  Sound("RestoNewCust");
  int last = 0;
  for (const TRestoCustomer& c : Customers)
    if (c.State == TRestoCustomer::csQueuing) last = std::max<int>(last, c.QueuePos);
  TRestoCustomer c;
  c.State = TRestoCustomer::csQueuing;
  c.QueuePos = static_cast<std::uint8_t>(last + 1);
  c.Kind = static_cast<std::uint8_t>(ChooseKind());
  c.Dish = static_cast<std::uint8_t>(ChooseDish(true));
  c.Rating = 0;
  c.QueueX = c.QueueTargetX = -(c.QueuePos - 1) * QueueGap;
  c.Alpha = 0;
  c.TargetAlpha = 255;
  c.BalloonAlpha = 0;
  c.BalloonTargetAlpha = c.QueuePos == 1 ? 255 : 0;
  *free = c;
}

void TPellowRestoCustomers::Enter(TRestoCustomer& c) {
  if (!Open) {
    Open = true;
    FSignPattern = 1;
    FSignAlpha = 0;
    SignTargetAlpha = 255;
    SignPopper.Pop(656, 297);
    Sound("RestoOpen");
  }
  if (OnMenu(c.Dish)) {
    c.State = TRestoCustomer::csEating;
    if (!FSettled) {
      ++Served;
      TraceCounters();
    }
  } else {
    c.State = TRestoCustomer::csNoFood;
  }
  c.Rating = static_cast<std::uint8_t>(RateNow(c.Dish));
  c.TargetAlpha = 255;
  c.QueuePos = 0;
  for (TRestoCustomer& o : Customers) {
    if (o.QueuePos == 0) continue;
    --o.QueuePos;
    o.QueueTargetX = -(o.QueuePos - 1) * QueueGap;
    if (o.QueuePos == 1) o.BalloonTargetAlpha = 255;
  }
  Sound("RestoCustEnters");
}

void TPellowRestoCustomers::DrawDish(int dish, float middleX, float middleY, float scaleX,
                                     float scaleY, float angle, int alpha, int glowAlpha) {
  const int w = OmgImgList->TileWidthOf("PracticePotions");
  const int h = OmgImgList->TileHeightOf("PracticePotions");
  const int pattern = DishesPerIsland * (IslandIdx - 1) + dish - 1;
  TDrawStyle style{.A = Alpha8(alpha), .ScaleX = scaleX, .ScaleY = scaleY, .CenterX = 0.5f,
                   .CenterY = 0.5f, .Angle = angle};
  const float x = middleX - w / 2.0f, y = middleY - h / 2.0f;
  OmgImgList->DrawImage("PracticePotions", x, y, pattern, style);
  style.B = 0;
  style.A = Alpha8(glowAlpha);
  style.Blend = bmAdditive;
  OmgImgList->DrawImage("PracticePotions", x, y, pattern, style);
}

void TPellowRestoCustomers::UpdateQueuing(TRestoCustomer& c) {
  TMotion::ApproachInt(c.Alpha, CustAlphaStep, c.TargetAlpha);
  TMotion::ApproachInt(c.QueueX, QueueMoveStep, c.QueueTargetX);
  const float swing = c.Swing.Value;
  if (OmgImgList)
    OmgImgList->DrawImage("RestoQueuingCusts", static_cast<float>(QueueLeft + c.QueueX), QueueTop,
                          c.Kind - 1,
                          {.A = Alpha8(c.Alpha), .CenterX = 0.86027396f, .CenterY = 0.448f,
                           .Angle = swing});
  if (c.QueuePos != 1) return;
  TMotion::ApproachInt(c.BalloonAlpha, CustAlphaStep, c.BalloonTargetAlpha);
  if (OmgImgList) {
    int dx = 0, dy = 0;
    FigureOffset(c.Kind, dx, dy);
    const float x = static_cast<float>(c.QueueX + dx), y = static_cast<float>(dy);
    OmgImgList->DrawImage("RestoCustBalloon", TRestoPlaces::BalloonLeft + x,
                          TRestoPlaces::BalloonTop + y, 0,
                          {.A = Alpha8(c.BalloonAlpha), .CenterX = 0.95f, .CenterY = 0.5f,
                           .Angle = -1.5f * swing});
    DrawDish(c.Dish, QueueLeft + BalloonDishMiddleX + x, QueueTop + BalloonDishMiddleY + y,
             BalloonDishScaleX, BalloonDishScaleY, -2.5f * swing, c.BalloonAlpha,
             RoundHalfEven(c.BalloonAlpha / 255.0 * 40));
  }
  if (Paused) return;
  if (TMotion::TimerTick(c.QueueTimer, QueueTime)) c.TargetAlpha = c.BalloonTargetAlpha = 0;
  if (c.QueueTimer >= QueueTime && c.Alpha == 0) Enter(c);
}

void TPellowRestoCustomers::UpdateEating(TRestoCustomer& c) {
  TMotion::ApproachInt(c.Alpha, CustAlphaStep, c.TargetAlpha);
  const float swing = c.Swing.Value;
  if (OmgImgList) {
    const std::uint8_t a = Alpha8(c.Alpha);
    OmgImgList->DrawImage("RestoEatingBG", EatingLeft, EatingTop, 0,
                          {.A = a, .CenterX = 0.75f, .CenterY = 0.5f, .Angle = swing});
    OmgImgList->DrawImage("RestoEatingCusts", 701, 160, c.Kind - 1,
                          {.A = a, .CenterX = 1.1f, .CenterY = 0.5f, .Angle = swing});
    DrawDish(c.Dish, EatingDishMiddleX, EatingDishMiddleY, EatingDishScale, EatingDishScale,
             -2.5f * swing, c.Alpha, RoundHalfEven(c.Alpha / 255.0 * 40));
    OmgImgList->DrawImage("ProcessingClock", 804, 254,
                          RoundHalfEven(static_cast<double>(c.EatingTimer) / EatingTime * 8),
                          {.A = a});
  }
  if (c.Dish == Special && !c.ThumbShown &&
      c.EatingTimer >= RoundHalfEven(EatingTime * ThumbUpEatingTimeRatio)) {
    c.ThumbShown = true;
    ThumbPopper.Pop(800, 192);
  }
  if (!c.MoneyShown && c.EatingTimer >= RoundHalfEven(EatingTime * PopMoneyEatingTimeRatio)) {
    c.MoneyShown = true;
    MoneyPopper.Pop(706, 78);
    Sound("RestoSale");
    if (!FSettled) {
      Money += MoneyOf(c.Rating);
      Trace("served " + std::to_string(c.Dish) + " " + std::to_string(MoneyOf(c.Rating)));
      TraceCounters();
    }
  }
  if (Paused) return;
  if (TMotion::TimerTick(c.EatingTimer, EatingTime)) c.TargetAlpha = 0;
  if (c.EatingTimer >= EatingTime && c.Alpha == 0) {
    c.State = TRestoCustomer::csExiting;
    c.TargetAlpha = 255;
  }
}

void TPellowRestoCustomers::UpdateNoFood(TRestoCustomer& c) {
  if (Paused) return;
  if (!TMotion::TimerTick(c.WaitingTimer, WaitingNotEatingTime)) return;
  c.State = TRestoCustomer::csExiting;
  c.TargetAlpha = 255;
  Trace("hungry " + std::to_string(c.Dish));
}

void TPellowRestoCustomers::React(TRestoCustomer& c) {
  int dx = 0, dy = 0;
  FigureOffset(c.Kind, dx, dy);
  const std::string gender = GenderSuffix(c.Kind);
  if (c.Rating == 0) {
    BrokenHeart.Restart();
    BrokenHeartPopper.DelayedPop(250, static_cast<float>(TRestoPlaces::BrokenHeartLeft + dx),
                                 static_cast<float>(TRestoPlaces::HeartTop + dy));
    Sound("RestoDisappointed" + gender);
  } else {
    HeartPattern = c.Rating;
    HeartPopper.DelayedPop(250, static_cast<float>(TRestoPlaces::HeartLeft + dx),
                           static_cast<float>(TRestoPlaces::HeartTop + dy));
    PraisePattern = PraiseOf(c.Rating);
    PraisePopper.DelayedPop(50, static_cast<float>(TRestoPlaces::PraiseLeft + dx),
                            static_cast<float>(TRestoPlaces::PraiseTop + dy));
    Sound("RestoPraise" + std::to_string(PraisePattern) + gender);
  }
  if (PresentCount() != 1) return;
  if (Open) {
    Open = false;
    FSignPattern = 2;
    FSignAlpha = 0;
    SignTargetAlpha = 255;
    SignPopper.Pop(656, 322);
    Sound("RestoClosed");
  }
  if (OnLastCustomerExiting) OnLastCustomerExiting(*this);
}

void TPellowRestoCustomers::UpdateExiting(TRestoCustomer& c) {
  TMotion::ApproachInt(c.Alpha, CustAlphaStep, c.TargetAlpha);
  if (OmgImgList)
    OmgImgList->DrawImage("RestoQueuingCusts", ExitLeft, ExitTop, c.Kind - 1,
                          {.A = Alpha8(c.Alpha), .CenterX = 0.95f, .CenterY = 0.5f,
                           .Angle = c.Swing.Value});
  if (!c.ReactionShown && c.Alpha == 255 && c.TargetAlpha == 255) {
    c.ReactionShown = true;
    React(c);
  }
  if (Paused) return;
  if (TMotion::TimerTick(c.ExitTimer, ExitingTime)) c.TargetAlpha = 0;
  if (c.ExitTimer >= ExitingTime && c.Alpha == 0) c = TRestoCustomer{};
}

void TPellowRestoCustomers::UpdateAndDraw() {
  if (!Paused) Arrive();
  for (TRestoCustomer& c : Customers) {
    if (!c.Present()) continue;
    c.Swing.Step();
    switch (c.State) {
      case TRestoCustomer::csQueuing: UpdateQueuing(c); break;
      case TRestoCustomer::csEating: UpdateEating(c); break;
      case TRestoCustomer::csNoFood: UpdateNoFood(c); break;
      case TRestoCustomer::csExiting: UpdateExiting(c); break;
      default: break;
    }
  }
  // The sign stands on the street in front of the terrace, so over the diner's chair.
  if (OmgImgList) OmgImgList->DrawImage("RestoSmallSign", 699, 236, Open ? 0 : 1);
  UpdateAndDrawPopups();
}

void TPellowRestoCustomers::DrawPopup(const TSpritePopper& p, const std::string& name, int pattern) {
  if (!OmgImgList || !p.Running()) return;
  OmgImgList->DrawImage(name, p.X(), p.Y(), pattern,
                        {.A = Alpha8(p.Alpha()), .ScaleX = p.Ratio(), .ScaleY = p.Ratio(),
                         .CenterX = 0.5f, .CenterY = 0.5f});
}

void TPellowRestoCustomers::UpdateAndDrawPopups() {
  ThumbPopper.Update();
  DrawPopup(ThumbPopper, "RestoThumbUp", 0);
  MoneyPopper.Update();
  DrawPopup(MoneyPopper, "RestoMoneyPop", 0);
  HeartPopper.Update();
  DrawPopup(HeartPopper, "RestoHeart", HeartPattern - 1);
  BrokenHeartPopper.Update();
  if (BrokenHeartPopper.Running()) {
    DrawPopup(BrokenHeartPopper, "RestoBrokenHeart", BrokenHeart.Frame());
    BrokenHeart.Next();
  }
  PraisePopper.Update();
  DrawPopup(PraisePopper, "RestoPraise", PraisePattern - 1);
}

void TPellowRestoCustomers::DrawCounters() {
  TMotion::ApproachInt(ShownMoney, 1, Money);
  TMotion::ApproachInt(FCountersAlpha, CountersAlphaStep, MoneyCustsInfoVisible ? 255 : 0);
  if (!GlobGameText || !TextStringsComp || FCountersAlpha == 0) return;
  const std::uint8_t a = Alpha8(FCountersAlpha);
  // Under the hub's top panel, whose sticker-book tube reaches down to y 66.
  GlobGameText->DrawText(1064, 92 + CountersDrop, TextStringsComp->GameTexts[17] + " " + std::to_string(Served),
                         {.Scale = 0.7, .Alpha = a, .ExtraSpacing = -1});
  GlobGameText->DrawText(1061, 63 + CountersDrop, TextStringsComp->GameTexts[16] + std::to_string(ShownMoney),
                         {.Scale = 0.89, .Colour = TGlobalGameText::tcYellow, .Alpha = a,
                          .ExtraSpacing = -1});
}

void TPellowRestoCustomers::DrawBigSign() {
  if (!SignPopper.Active()) return;
  SignPopper.Update();
  if (SignPopper.Finished()) SignTargetAlpha = 0;
  TMotion::ApproachInt(FSignAlpha, SignAlphaStep, SignTargetAlpha);
  if (FSignAlpha <= 0 || !OmgImgList) return;
  OmgImgList->DrawImage("RestoBigSign", SignPopper.X(), SignPopper.Y(), FSignPattern - 1,
                        {.A = Alpha8(FSignAlpha), .ScaleX = SignPopper.Ratio(),
                         .ScaleY = SignPopper.Ratio(), .CenterX = 0.5f, .CenterY = 0.5f});
}
