#include "shell/TRoundParts.h"

#include "levels/TScoreRules.h"
#include "metagame/TBuySlots.h"
#include "shell/TWidgetMaker.h"

void TRoundParts::Create(const TWidgetMaker& make, TOmegaImageList& images, TGlobalGameText& text,
                         TTextStrings& texts, const std::string& levelsFolder, TPoint leftPanel) {
  LevelParams = std::make_unique<TLevelParams>();
  LevelParams->LevelFilesPath = levelsFolder;
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
                          PigeonScoring->OmgImgList = &images;
  ElementGather->PlaySound = ScoreCounter->PlaySound = Combos->PlaySound =
      ResultStats->PlaySound = ResultMedal->PlaySound = make.SoundRoute();
  ResultStats->GlobGameText = ObjectiveInfo->GlobGameText = &text;

  auto comment = [&images, &texts, &make](TGameCommentRole role) {
    auto c = std::make_unique<TGameComment>();
    c->OmgImgList = &images;
    c->PlaySound = make.SoundRoute();
    c->TextStringsComp = &texts;
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
  MannaEnergy->Left = leftPanel.X + 14;
  MannaEnergy->Top = leftPanel.Y + 408;
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

  StageResultWindow = make.Window("StageResultWindow", 480, 161, 480, -460, 85, sdToDown);
  StageResultOKButton = make.Button("WindowOKButton", -999, -999);

  InGameMenuButton = make.Button("InGameMenuButton", 1236, 718);
  InGameMenuWindow = make.Window("InGameMenuWindow", 555, 172, 555, -420, 85, sdToDown);
  InGameResumeButton = make.Button("InGameResumeButton", -999, -999);
  InGameRestartButton = make.Button("InGameRestartButton", -999, -999);
  InGameOptionsButton = make.Button("InGameOptionsButton", -999, -999);
  InGameHelpButton = make.Button("InGameHelpButton", -999, -999);
  InGameToMenuButton = make.Button("InGameToMenuButton", -999, -999);
  PausedPulse = TValueUpDown{120, 300, 6, 6};
}

void TRoundParts::Wire() {
  ElementGather->OnSlotDone = [this](TElementGather&, int slotX) { SlotDone->Show(slotX - 25); };
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
  Combos->OnAComboDoneShowing = [this](TCombos&, std::uint8_t count, TPoint pos) {
    if (!RoundEnding) CombosConveyer->Launch(count, pos);
  };
  StageResultWindow->OnPosUpdate = [this](TGameMenuWindow&, TPoint p) {
    StageResultOKButton->SetPosition(p.X + 160, p.Y + 370);
    ResultStats->FollowWindow(p);
    ResultMedal->FollowWindow(p);
  };
  StageResultWindow->OnStartHiding = [this](TGameMenuWindow&) { WynnetScoring->Leave(); };
  InGameMenuWindow->OnPosUpdate = [this](TGameMenuWindow&, TPoint p) {
    int y = p.Y + 70;
    for (TGameButton* b : InGameMenuButtons()) {
      b->SetPosition(p.X + 28, y);
      y += 62;
    }
  };
}

std::array<TGameButton*, 5> TRoundParts::InGameMenuButtons() const {
  return {InGameResumeButton.get(), InGameRestartButton.get(), InGameOptionsButton.get(),
          InGameHelpButton.get(), InGameToMenuButton.get()};
}

void TRoundParts::ResetForLevel() {
  LevelScore = 0;
  BonusPoints = 0;
  EnergyBonusPopper.Reset();
  RoundEnding = false;
  TubeAllowed = false;
  TubeTimer->Reset();
  TubeBubbles->Reset();
  ObjectiveInfo->Reset();
  for (TGameComment* c : {GameComments.get(), BookFoundComment.get(), ChapterEntryComment.get()})
    c->Hide();
  Combos->Clear();
  CombosConveyer->Clear();
  PigeonScoring->Clear();
  SlotDone->Reset();
  ResultMedal->Clear();
  ResultStats->Clear();
  WynnetScoring->Clear();
  MannaEnergy->Reset();
  ShuffleButtonShine->Reset();
  AbsorbedEnergy->Reset();
  ElementGather->Reset();
  LevelFilled = false;
}

void TRoundParts::ReadImageSizes() {
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
  for (TGameButton* b : InGameMenuButtons()) b->ReloadSize();
  InGameMenuButton->ReloadSize();
  StageResultOKButton->ReloadSize();
}

bool TRoundParts::IsStillNeeded(TIndividualElementKind kind) const {
  return GameObjective == goNormalMode && ElementGather->IsStillNeeded(kind);
}

void TRoundParts::CreditOwned(TElementKind kind, float amount) {
  if (!RoundInProgress) return;
  Shop->AddOwned(kind, amount);
}

void TRoundParts::AddPoints(int points) {
  if (!RoundInProgress) return;
  ScoreCounter->SetValue(ScoreCounter->Value() + points);
  LevelScore += points;
}

void TRoundParts::AddBonusPoints(int points) {
  if (!RoundInProgress) return;
  ScoreCounter->SetValue(ScoreCounter->Value() + points);
  BonusPoints += points;
}

void TRoundParts::SpendToolEnergy(TNewToolKind kind) { MannaEnergy->Spend(kind); }

TPoint TRoundParts::GatherSlotPosition(TIndividualElementKind kind) const {
  return ElementGather->SlotPosition(kind);
}

TMusicRequest TRoundParts::NextGatherMusicTrack() {
  GatherLevelCount = GatherLevelCount % 4 + 1;
  return static_cast<TMusicRequest>(mrMainGame1 + GatherLevelCount - 1);
}
