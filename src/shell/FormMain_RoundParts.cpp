// The level's panels and counters (gathering, timer tube, energy, score, combos), the
// stage-result window, and what the shell does with their events.
#include "levels/TScoreRules.h"
#include "shell/TFormMain.h"

namespace {
// The tool that each energy threshold (1..6) unlocks.
constexpr TNewToolKind kToolOfThreshold[7] = {tlNone,          tlHammer,        tlBomb,
                                              tlHorzLightning, tlVertLightning, tlBlaster,
                                              tlBigBomb};
}  // namespace

void TFormMain::CreateRoundComponents() {
  LevelParams = std::make_unique<TLevelParams>();
  LevelParams->LevelFilesPath = LevelsFolder;
  ElementGather = std::make_unique<TElementGather>();
  TubeTimer = std::make_unique<TTubeTimer>();
  TubeBubbles = std::make_unique<TTubeBubbleEffect>();
  MannaEnergy = std::make_unique<TMannaEnergy>();
  AbsorbedEnergy = std::make_unique<TAbsorbedEnergy>();
  SlotDone = std::make_unique<TSlotDoneEffect>();
  ObjectiveInfo = std::make_unique<TObjectiveInfo>();
  IslandDigit = std::make_unique<TInfoDigit>();
  LevelDigit = std::make_unique<TInfoDigit>();
  ScoreCounter = std::make_unique<TJackpotScore>();
  Combos = std::make_unique<TCombos>();
  CombosConveyer = std::make_unique<TCombosConveyer>();
  ShuffleButtonShine = std::make_unique<TShuffleButtonShine>();
  ResultStats = std::make_unique<TResultStats>();
  ResultMedal = std::make_unique<TResultMedal>();
  WynnetScoring = std::make_unique<TWynnetScoring>();
  PigeonScoring = std::make_unique<TPigeonScoring>();
  ElementGather->OmgImgList = TubeTimer->OmgImgList = TubeBubbles->OmgImgList =
      MannaEnergy->OmgImgList = AbsorbedEnergy->OmgImgList = SlotDone->OmgImgList =
          ObjectiveInfo->OmgImgList = IslandDigit->OmgImgList = LevelDigit->OmgImgList =
              ScoreCounter->OmgImgList = Combos->OmgImgList = CombosConveyer->OmgImgList =
                  ShuffleButtonShine->OmgImgList = ResultStats->OmgImgList =
                      ResultMedal->OmgImgList = WynnetScoring->OmgImgList =
                          PigeonScoring->OmgImgList = &OmegaImageList1;
  ElementGather->PlaySound = ScoreCounter->PlaySound = Combos->PlaySound =
      ResultStats->PlaySound = ResultMedal->PlaySound = PlayEffect;
  ResultStats->GlobGameText = &GlobGameText;

  // The comments: announcements over the level, potions found, chapters, upgrades.
  auto comment = [this](TGameCommentRole role) {
    auto c = std::make_unique<TGameComment>();
    c->OmgImgList = &OmegaImageList1;
    c->PlaySound = PlayEffect;
    c->TextStringsComp = &TextStrings;
    c->ApplyRole(role);
    return c;
  };
  GameComments = comment(TGameCommentRole::crGameComments);
  BookFoundComment = comment(TGameCommentRole::crBookFound);
  ChapterEntryComment = comment(TGameCommentRole::crChapterEntry);
  UpgradesComment = comment(TGameCommentRole::crUpgradesFinished);

  // Placement: the timer tube at the right edge, the flask under the tools, the score and
  // the island and level numbers on the top panel.
  TubeTimer->Left = 1294;
  TubeTimer->HideLeft = 1420;
  TubeTimer->Top = 362;
  TubeTimer->MaxPixelProgress = TubeTimer->EnergyHeight;
  MannaEnergy->Left = LeftPanelPos.X + 14;
  MannaEnergy->Top = LeftPanelPos.Y + 408;
  ShuffleButtonShine->Left = MannaEnergy->Left - 20;
  ShuffleButtonShine->Top = MannaEnergy->Top - 22;
  ScoreCounter->DigitImg = "Score";
  ScoreCounter->DigitBlurImg = "ScoreBlur";
  ScoreCounter->ShowLeadingZeros = false;
  ScoreCounter->AutoCentered = true;
  ScoreCounter->Increment = 9;
  ScoreCounter->SetDigits(6);
  ScoreCounter->Left = 1050;
  ScoreCounter->Top = 25;
  IslandDigit->Left = 1200;
  IslandDigit->Top = 25;
  LevelDigit->Left = 1228;
  LevelDigit->Top = 25;
  ElementsPanelMover = std::make_unique<TPanelMover>();
  ElementsPanelMover->Setup(1225, 73, 1355, 73, 1, 0);
  ElementsPanelMover->HideNow();

  StageResultWindow = MakeWindow("StageResultWindow", 480, 161, 480, -460, 85, sdToDown);
  StageResultOKButton = MakeButton("WindowOKButton", -999, -999);
  CreateInGameMenu();
  WireRoundComponents();
}

void TFormMain::WireRoundComponents() {
  LevelParams->OnLoadError = [this](TLevelParams&, const std::string& message) {
    Trace("error", message);
    Services.MessageBoxes->Show(Caption, message, TMessageButtons::Ok, true);
  };

  // Gathering: a finished slot shows its badge; every slot finished wins the round.
  ElementGather->OnSlotDone = [this](TElementGather&, int slotX) { SlotDone->Show(slotX - 25); };
  ElementGather->OnComplete = [this](TElementGather&) {
    if (GameObjective == goNormalMode) WinRound();
  };
  TubeTimer->OnTimeUp = [this](TTubeTimer&) { LoseRound(); };
  TubeTimer->OnAlmostTimeUp = [this](TTubeTimer&) {
    GameComments->ShowComment(TGameCommentType::coTimeRunningOut);
  };
  TubeBubbles->OnTubePosRequest = [this](TTubeBubbleEffect&, int& x, int& y) {
    x = TubeTimer->X();
    y = TubeTimer->Y();
  };
  TubeBubbles->OnTubeEnergyParamsReq = [this](TTubeBubbleEffect&, int& liquidTop, int& maxPixels,
                                              int& adjustY, int& percentLeft) {
    liquidTop = TubeTimer->LiquidOffset();
    maxPixels = TubeTimer->MaxPixelProgress;
    adjustY = TubeTimer->EnergyAdjustY;
    percentLeft = TubeTimer->PercentLeft();
  };

  // Energy unlocks the tools threshold by threshold, and spending takes them away again.
  MannaEnergy->OnEnergyFactorReached = [this](TMannaEnergy&, std::uint8_t level) {
    EnergyFactorReached(level);
  };
  MannaEnergy->OnBelowEnergyFactor = [this](TMannaEnergy&, std::uint8_t level) {
    for (int n = level; n <= TMannaEnergy::FactorCount; ++n)
      if (TCollectorBombTool* t = Tool(kToolOfThreshold[n])) t->SetEnabled(false);
  };

  // Combos: shown over the board, then carried to the flask unless the round is over.
  Combos->OnAComboDoneShowing = [this](TCombos&, std::uint8_t count, TPoint pos) {
    if (!RoundEnding) CombosConveyer->Launch(count, pos);
  };
  CombosConveyer->OnAComboArrives = [this](TCombosConveyer&, std::uint8_t count) {
    if (!RoundInProgress) return;
    TScoreRules::TComboBonus bonus = TScoreRules::ComboBonus(count);
    for (int i = 0; i < bonus.EnergyUnits; ++i) MannaEnergy->AddOne();
    AddBonusPoints(bonus.Score);
    EnergyBonusPattern = bonus.BonusTextPattern;
    EnergyBonusPopper.Pop(122, 639);
    PlayEffect("BonusEnergy");
  };

  // The announcement: its hiding starts the level.
  ObjectiveInfo->OnStartHiding = [this](TObjectiveInfo&) {
    GameComments->ShowComment(TGameCommentType::coGo);
  };
  ObjectiveInfo->OnHidingComplete = [this](TObjectiveInfo&) { ObjectiveShown(); };

  // Comments that hand over to the next step of the round.
  GameComments->OnWavingFinished = [this](TGameComment&, TGameCommentType type) {
    if (type == TGameCommentType::coGo) {
      GlobalShine->MakeDue();
    } else if (type == TGameCommentType::coGameRoundClear ||
               type == TGameCommentType::coBossVictory) {
      // The board flies off once the comment has been read.
      Spiders->SendAllAway();
      for (TCarriedTool* t : CarriedTools()) t->PutBack();
      GameBoard->CanDraw = false;
      BoardBorder->Vanish();
      LockersAway->UniFruitColorIndex = GameBoard->UniColorIndex();
      LockersAway->Start(GameBoard->BoardData());
    }
  };

  // The stage result.
  StageResultWindow->OnPosUpdate = [this](TGameMenuWindow&, TPoint p) {
    StageResultOKButton->SetPosition(p.X + 160, p.Y + 370);
    ResultStats->FollowWindow(p);
    ResultMedal->FollowWindow(p);
  };
  StageResultWindow->OnShowingComplete = [this](TGameMenuWindow&) { StageResultShown(); };
  StageResultWindow->OnStartHiding = [this](TGameMenuWindow&) { WynnetScoring->Leave(); };
  StageResultWindow->OnHidingComplete = [this](TGameMenuWindow&) { LeaveStageResult(); };
  StageResultOKButton->OnClick = [this](TGameButton&) { StageResultWindow->Hide(); };
  PigeonScoring->OnSparkleRequest = [this](TPigeonScoring&, int x, int y) {
    Stars->StarsAtPoint(x, y);
  };
}

void TFormMain::PrepareRoundAfterMainLoad() {
  ElementGather->ReadImageSizes();
  TubeTimer->ReadImageSizes();
  TubeTimer->MaxPixelProgress = TubeTimer->EnergyHeight;
  MannaEnergy->ReadImageSizes();
  ObjectiveInfo->ReadImageSizes();
  IslandDigit->ReadImageSizes();
  LevelDigit->ReadImageSizes();
  ScoreCounter->Prepare();
  ResultMedal->Prepare();
  ShuffleButtonShine->RefreshSizes();
  NewDiamond->RefreshSizes();
  UniBubble->RefreshSizes();
  MatchedCyan->RefreshSizes();
  for (auto& s : Shines) s->RefreshSizes();
  for (TGameButton* b : InGameMenuButtons()) b->ReloadSize();
  InGameMenuButton->ReloadSize();
  StageResultOKButton->ReloadSize();
  HubPlayButton->ReloadSize();
  MapPlayButton->ReloadSize();
}

void TFormMain::EnergyFactorReached(int level) {
  for (int n = 1; n <= level; ++n)
    if (TCollectorBombTool* t = Tool(kToolOfThreshold[n])) t->SetEnabled(true);
  TCollectorBombTool* tool = Tool(kToolOfThreshold[level]);
  if (!tool || !tool->Available) return;
  ShuffleButtonShine->Start();
  PlayEffect(level <= 2 ? "MannaNotify1" : level <= 4 ? "MannaNotify2" : "MannaNotify3");
}

// ---- what the board's events count ----

int TFormMain::CurrentIslandIdx() const { return IslandIdx; }

bool TFormMain::IsStillNeeded(TIndividualElementKind kind) const {
  return GameObjective == goNormalMode && ElementGather->IsStillNeeded(kind);
}

void TFormMain::CreditOwned(TElementKind kind, float amount) {
  if (!RoundInProgress) return;
  TScoreRules::AddOwned(OwnedElements, RoundGains, kind, amount);
}

void TFormMain::AddPoints(int points) {
  if (!RoundInProgress) return;
  ScoreCounter->SetValue(ScoreCounter->Value() + points);
  LevelScore += points;
}

void TFormMain::AddBonusPoints(int points) {
  if (!RoundInProgress) return;
  ScoreCounter->SetValue(ScoreCounter->Value() + points);
  BonusPoints += points;
}

void TFormMain::DrawEnergyBonusPopup() {
  if (!EnergyBonusPopper.Running()) return;
  EnergyBonusPopper.Update();
  const float r = EnergyBonusPopper.Ratio();
  OmegaImageList1.DrawImage("EnergyBonusText", EnergyBonusPopper.X(), EnergyBonusPopper.Y(),
                            EnergyBonusPattern,
                            {.A = static_cast<std::uint8_t>(EnergyBonusPopper.Alpha()), .ScaleX = r,
                             .ScaleY = r, .CenterX = 0.5f, .CenterY = 0.5f});
}

void TFormMain::CountEnergyElement() { MannaEnergy->AddOne(); }

void TFormMain::SpendToolEnergy(TNewToolKind kind) { MannaEnergy->Spend(kind); }

TPoint TFormMain::GatherSlotPosition(TIndividualElementKind kind) const {
  return ElementGather->SlotPosition(kind);
}

void TFormMain::CollectArrived(TElementKind kind, std::uint8_t index) {
  if (!RoundInProgress) return;
  ElementGather->Collect(kind, index);
  Trace("collect", std::to_string(static_cast<int>(kind)) + " " + std::to_string(index));
}

void TFormMain::CollectPotion(int index) {
  if (!RoundInProgress) return;
  ElementGather->Collect(elPotion, static_cast<std::uint8_t>(index));
  Trace("collect", std::to_string(static_cast<int>(elPotion)) + " " + std::to_string(index));
}

void TFormMain::ShowBookFoundComment(int index) { BookFoundComment->ShowBookFound(index - 6); }

void TFormMain::CheckCombos(const TBoardData& data, const TSimpleObjectArray& mask) {
  Combos->Check(data, mask);
}

void TFormMain::ShowNoMoreMovesComment() {
  GameComments->ShowComment(TGameCommentType::coNoMoreMoves);
}

void TFormMain::LevelFillFinished() { LevelFilled = true; }

void TFormMain::AskTryAgain() { AskConfirmation(0, pbYes, nbNo); }

void TFormMain::CheckMonsterHit(TPoint, bool& hitting, bool& absorbing) {
  // No creature on the board yet: falling elements pass by.
  hitting = false;
  absorbing = false;
}

bool TFormMain::GoldTileUpgradeOwned() const { return false; }

void TFormMain::CountTutorialStep() {}

void TFormMain::PointToolTipAtWeb(TPoint) {}

void TFormMain::PointToolTipAtSpider(TPoint) {}

void TFormMain::StopTutorial() {}

void TFormMain::CloseToolTip() {}

void TFormMain::ChargeLevelIngredients() {
  // The shop takes what the level used; it reports the charge so that it can be followed.
  Trace("charge", std::to_string(IslandIdx) + " " + std::to_string(LevelIdx));
}
