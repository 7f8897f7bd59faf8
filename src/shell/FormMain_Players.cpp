// Players, their saves, the high scores and the questions of the confirmation window.
#include <algorithm>
#include <cmath>

#include "engine/Rounding.h"
#include "platform/TAtomicFile.h"
#include "platform/TFileSystem.h"
#include "shell/TFormMain.h"

std::string TFormMain::SaveFileName(const std::string& name) const {
  return SaveFolder + name + ".sav";
}

void TFormMain::GatherPlayerSave(TPlayerSave& save) {
  // The blocks of the components that do not exist yet keep what the record holds.
  save.Score = ScoreCounter->Value();
  save.Stocks = BuySlots->OwnedElements().Amount;
  // The book holds another player's stickers until this player's are given to it.
  if (!StickersPending) save.Stickers = StickerBook->GetAcquired();
  const TBuySlots::TBoughtFlags bought = BuySlots->GetBoughtFlags();
  for (int i = 0; i < TBuySlots::IslandCount; ++i)
    for (int s = 0; s < TBuySlots::SlotCount; ++s)
      save.ShopSlots[i][s] = bought[i * TBuySlots::SlotCount + s];
  save.NextUncompletedIslandIdx = static_cast<std::uint8_t>(BuySlots->NextUncompletedIslandIdx);
  save.NextUncompletedLevelIdx = BuySlots->NextUncompletedLevelIdx;
  save.OpeningStoryTold = ComicStrips->OpeningStoryTold;
  for (int i = 0; i < TMapIslands::IslandCount; ++i) {
    save.MapVisited[i] = MapIslands->VisitedState()[i];
    save.MapOpen[i] = MapIslands->OpenedState()[i];
    save.MapChapterCommentShown[i] = MapIslands->AnnouncedState()[i];
  }
  Tutorial->GetShownFlags(save.TutorialShown);
  ToolTip->GetShownFlags(save.ToolTipsShown);
  save.TutorialOn = TutorialEnabled;
  save.RelaxedMode = TubeTimer->RelaxedMode;
  save.RestoCustomersServed = RestoCustomers->CustomersServed();
  save.RestoMoney = RestoCustomers->MoneyEarned();
}

void TFormMain::ApplyOptions() {
  int sound = CurrentSave.SoundOn ? CurrentSave.SoundVolume : 0;
  if (SFXPlayer) SFXPlayer->SetVolume(sound);
  if (VoicePlayer) VoicePlayer->SetVolume(sound);
  if (MusicBox) MusicBox->SetVolume(CurrentSave.MusicOn ? CurrentSave.MusicVolume : 0);
  SetTutorialEnabled(CurrentSave.TutorialOn);
}

void TFormMain::SetTutorialEnabled(bool on) {
  TutorialEnabled = on;
  Tutorial->Enabled = on;
  ToolTip->Enabled = on;
}

void TFormMain::ApplyPlayerSave() {
  ScoreCounter->SetAll(CurrentSave.Score);
  TMapIslands::TIslandFlags visited{}, opened{}, announced{};
  for (int i = 0; i < TMapIslands::IslandCount; ++i) {
    visited[i] = CurrentSave.MapVisited[i];
    opened[i] = CurrentSave.MapOpen[i];
    announced[i] = CurrentSave.MapChapterCommentShown[i];
  }
  opened[0] = 1;  // the first island is always open
  MapIslands->SetState(visited, opened, announced);

  TElementsCount owned;
  owned.Amount = CurrentSave.Stocks;  // the shop refuses broken amounts
  TBuySlots::TBoughtFlags bought{};
  for (int i = 0; i < TBuySlots::IslandCount; ++i)
    for (int s = 0; s < TBuySlots::SlotCount; ++s)
      bought[i * TBuySlots::SlotCount + s] = CurrentSave.ShopSlots[i][s] != 0;
  // A save from before any level (or a damaged one) starts on the first island; far beyond
  // any island's levels a level number only replays upper levels.
  const int savedIsland = std::clamp<int>(CurrentSave.NextUncompletedIslandIdx, 1, 5);
  const int savedLevel = std::clamp(CurrentSave.NextUncompletedLevelIdx, 1, 9999);
  const TResumePoint resume = ResumePoint(savedIsland, savedLevel);
  BuySlots->RestoreProgress(resume.Island, resume.Level, owned, bought);
  BuySlots->NextUncompletedIslandIdx = savedIsland;
  BuySlots->NextUncompletedLevelIdx = savedLevel;
  MapIslands->SelectUpTo(resume.Island);
  ComicStrips->OpeningStoryTold = CurrentSave.OpeningStoryTold;
  Tutorial->SetShownFlags(CurrentSave.TutorialShown);
  ToolTip->SetShownFlags(CurrentSave.ToolTipsShown);
  SetTutorialEnabled(CurrentSave.TutorialOn);
  TubeTimer->RelaxedMode = CurrentSave.RelaxedMode;
  RestoCustomers->SetCustomersServed(std::max(0, CurrentSave.RestoCustomersServed));
  RestoCustomers->SetMoneyEarned(std::max(0, CurrentSave.RestoMoney));
}

TFormMain::TResumePoint TFormMain::ResumePoint(int island, int level) const {
  // A creature beaten before its island's dishes are bought points the save at the next
  // island, which only opens with the last dish: play goes on with this island's replays.
  if (MapIslands->Opened(island)) return {island, level};
  int open = island;
  while (open > 1 && !MapIslands->Opened(open)) --open;
  return {open, TLevelParams::LastLevelOfIsland[open] + 1};
}

void TFormMain::ApplyPendingStickers() {
  if (!StickersPending) return;
  StickerBook->SetAcquired(CurrentSave.Stickers);
  // Every dish bought but the last page missing (a save from before that page was kept):
  // the game is finished all the same, not stuck on an island with nothing left to buy.
  bool allBought = true;
  for (int island = 1; island <= TBuySlots::IslandCount; ++island)
    allBought = allBought && BuySlots->IsIslandComplete(island);
  if (allBought && !GameComplete()) StickerBook->AcquireGroup(TStickerBookObjects::ZeppelinGroup);
  StickerBook->UpdateStage();
  StickersPending = false;
}

bool TFormMain::ReadStartFullScreenOption() {
  std::string bytes;
  TPlayerSave save;
  if (NameList && !NameList->CurrentName().empty() &&
      TAtomicFile::Read(SaveFileName(NameList->CurrentName()), bytes) && save.Decode(bytes))
    return save.FullScreen;
  return DefaultSave.FullScreen;
}

void TFormMain::LoadPlayerSave() {
  std::string bytes;
  TPlayerSave loaded;
  std::string file = SaveFileName(NameList->CurrentName());
  if (!NameList->CurrentName().empty() && TAtomicFile::Read(file, bytes) && loaded.Decode(bytes))
    CurrentSave = loaded;
  else
    CurrentSave = DefaultSave;
  ApplyPlayerSave();
  // The book may hold someone else's stickers: this record's go in when the book is needed.
  StickersPending = true;
  CurrentSave.FullScreen = OmegaScreen1.FullScreen;
  ApplyOptions();
  PlayerLoaded = true;
}

bool TFormMain::SavePlayerSave(TSaveStickers stickers) {
  TPlayerSave gathered = CurrentSave;
  GatherPlayerSave(gathered);
  if (stickers == ssKeep) gathered.Stickers = CurrentSave.Stickers;
  gathered.FullScreen = OmegaScreen1.FullScreen;
  CurrentSave = gathered;
  const std::string& name = NameList->CurrentName();
  if (name.empty()) return false;
  auto bytes = CurrentSave.Encode();
  std::string error;
  if (!TAtomicFile::Write(SaveFileName(name), bytes.data(), bytes.size(), error)) {
    Trace("error", error);
    return false;
  }
  Trace("save", name + ".sav");
  std::string stocks = name;
  for (float v : CurrentSave.Stocks) stocks += " " + std::to_string(RoundHalfEven(v));
  Trace("stocks", stocks + " score " + std::to_string(CurrentSave.Score));
  return true;
}

void TFormMain::SubmitHighScore() {
  // The live score: the save's copy is only refreshed when the save is written.
  if (!PlayerLoaded || !NameList || NameList->CurrentName().empty()) return;
  CurrentSave.Score = ScoreCounter->Value();
  HighScores->Submit(NameList->CurrentName(), CurrentSave.Score);
}

void TFormMain::AddNameConfirmed() {
  if (!AddNameWindow->IsHidden() && AddNameWindow->State() == TGameMenuWindow::TState::Hiding)
    return;
  NameExists = false;
  if (NameInput->GetText() == "ROSY FEN") {
    CheatMode = true;
    PlayEffect("NotifyHigh");
    Trace("cheat", "on");
    NameInput->SetText("");
    AddNameWindow->Hide();
    return;
  }
  if (NameInput->AllBlanks()) NameInput->SetText("");
  if (Scene() == gsAddInitialPlayer && NameInput->GetText().empty())
    NameInput->SetText(DefaultPlayerName);
  AddNameWindow->Hide();
  NameExists = NameList->Contains(NameInput->GetText());
  if (!NameList->IsFull() && !NameExists && !TNameList::Trim(NameInput->GetText()).empty()) {
    NameList->Add(NameInput->GetText());
    LoadPlayerSave();
    SavePlayerSave(ssKeep);
  }
  UpdateNameListButtons();
}

void TFormMain::AddNameHidden() {
  if (Scene() == gsAddPlayer) {
    if (NameExists) {
      AskConfirmation(ckNameTaken, pbOK, nbCancel);
    } else {
      ScreenDarkener->ShowFull();
      SetScene(gsPlayerSelect);
    }
  } else if (Scene() == gsAddInitialPlayer) {
    if (NameList->IsEmpty()) {
      // The cheat word adds nobody: ask for a name again.
      AddNameWindow->Show();
      return;
    }
    LastPlayerName = NameList->CurrentName();
    NoPlayersYet = false;
    StartOpeningStory();
  }
}

void TFormMain::PlayerListOK() {
  if (NameList->CurrentName().empty()) {
    NameList->Add(DefaultPlayerName);
    LoadPlayerSave();
    SavePlayerSave(ssKeep);
  }
  NameListWindow->Hide();
  // The next start greets the player chosen here.
  NameList->Save();
  LoadPlayerSave();
  if (NameList->CurrentName() != LastPlayerName) {
    StickersPending = true;
    if (!CurrentSave.OpeningStoryTold)
      StartOpeningStory();
    else
      SwitchScene(gsMenu);
  }
  // The same player goes back to the menu once the window has gone.
}

void TFormMain::ChangePlayer() {
  SubmitHighScore();
  SavePlayerSave(ssGather);
  NameList->Startup();
  ScreenDarkener->FadeIn();
  SetScene(gsPlayerSelect);
  UpdateNameListButtons();
  LastPlayerName = NameList->CurrentName();
  NameListWindow->Show();
}

void TFormMain::AskConfirmation(TConfirmKind kind, TPositiveButtonKind positive,
                                TNegativeButtonKind negative) {
  ConfirmKind = kind;
  Trace("confirm", std::to_string(static_cast<int>(kind)));
  SetScene(gsConfirmWindow);
  ConfirmWindow->Ask(kind, positive, negative);
}

void TFormMain::ConfirmPositive() {
  switch (ConfirmKind) {
    case ckDeletePlayer:
      if (TFileSystem::FileExists(SaveFileName(NameList->CurrentName())))
        std::remove(SaveFileName(NameList->CurrentName()).c_str());
      NameList->DeleteSelected();
      UpdateNameListButtons();
      break;
    case ckDisplayFromMenu:
    case ckDisplayInGame:
      ResumeOnActivate = true;
      SetFullScreen(CurrentSave.FullScreen, dcRemember);
      break;
    default: break;
  }
}

void TFormMain::ConfirmHidden(TConfirmAnswer answer) {
  const TConfirmKind kind = ConfirmKind;
  switch (kind) {
    case ckQuitGame:
      SetScene(gsMenu);
      if (answer == caPositive) RequestClose();
      break;
    case ckDeletePlayer:
      SetScene(gsPlayerSelect);
      ScreenDarkener->ShowFull();
      break;
    case ckDisplayFromMenu:
    case ckDisplayInGame:
      if (answer != caPositive) CurrentSave.FullScreen = OmegaScreen1.FullScreen;
      if (kind == ckDisplayFromMenu)
        SetScene(gsMenu);
      else {
        SetScene(ReturnScene);
        ResumeUnlessPausedBefore();
      }
      break;
    case ckNameTaken:
      if (answer == caPositive) {
        NameInput->SetText("");
        AddNameCancelButton->Enabled = true;
        AddNameWindow->Show();
        // The name window sits on the veil, which the question took away.
        ScreenDarkener->ShowFull();
        SetScene(gsAddPlayer);
      } else {
        ScreenDarkener->ShowFull();
        SetScene(gsPlayerSelect);
      }
      break;
    case ckTryAgain:
    case ckTryFightAgain:
      if (answer == caPositive) {
        StartLevel();
      } else {
        SetScene(gsMainGame);
        SwitchScene(gsMenu);
      }
      break;
    case ckLeaveLevel:
      SetScene(gsMainGame);
      if (answer == caPositive) {
        SubmitHighScore();
        AbandonRound();
        InGameMenuWindow->HideNow();
        SwitchScene(gsMenu);
      } else {
        ResumeUnlessPausedBefore();
      }
      break;
    case ckCloseDuringLevel:
      if (answer == caPositive) {
        // Closing from the level charges what it has used, as any close during play does.
        SetScene(gsMainGame);
        FormClose();
      } else {
        SetScene(gsMainGame);
        ResumeUnlessPausedBefore();
      }
      break;
    case ckRelaxedMode:
      SetScene(gsMenu);
      CurrentSave.RelaxedMode = answer == caPositive ? rmYes : rmNo;
      TubeTimer->RelaxedMode = CurrentSave.RelaxedMode;
      GoToMap();
      break;
    default: SetScene(gsMenu); break;
  }
}
