// The hub's chapter conversations between Orvell and the island's clients, and the hub's
// tutorial page at the first visit: what they hide, pause and quieten while they run, what
// their ends lead to, and who gets the mouse meanwhile.
#include "engine/Rounding.h"
#include "shell/TFormMain.h"

void TFormMain::WireChats() {
  ChapterDialog->OnStartOfBalloon = [this](TChapterDialog&, int line, int, TCharacterSide) {
    Trace("dialogue", std::to_string(ChatNumber) + " " + std::to_string(line));
  };
  // The lines have no voices yet; a voice left from before must not talk over them.
  ChapterDialog->OnEndOfBalloon = [this](TChapterDialog&) {
    if (VoicePlayer) VoicePlayer->StopAll();
  };
  ChapterDialog->OnEndOfConversations = [this](TChapterDialog&) {
    const int n = ChatNumber;
    if (n == 0) return;  // already ended by leaving the hub
    ChatNumber = 0;
    FreeChatPictures();
    if (VoicePlayer) VoicePlayer->StopAll();
    if (MusicBox) MusicBox->SetVolume(MusicVolumeNow());
    ChapterDialogEnded(n);
  };
}

int TFormMain::MusicVolumeNow() const {
  if (!CurrentSave.MusicOn) return 0;
  // Under the voices (a conversation, a story being told) the music is quieter.
  const bool telling = (Scene() == gsOpeningStory && !ComicStrips->Finished()) ||
                       (Scene() == gsEndingStory && !EndingStrips->Finished());
  return ChatRunning() || telling ? RoundHalfEven(0.82 * CurrentSave.MusicVolume)
                                  : CurrentSave.MusicVolume;
}

void TFormMain::StartChapterDialog(int n) {
  Trace("chapter", std::to_string(n));
  ChatNumber = n;
  // The talk has the screen: the panels and the counters go, the customers wait.
  RestoParts->RatingAndTodaysSpecialPanelsVisible = RestoCustomers->MoneyCustsInfoVisible = false;
  HubShopPanel->Hide();
  HubTopPanel->Hide();
  BuySlotsInfo->HideNow();
  if (MusicBox) MusicBox->SetVolume(MusicVolumeNow());
  // The stories' skip button: the hub shows it and gives it the mouse only while a
  // conversation runs, and leaves it as the stories want it.
  StorySkipButton->Visible = true;
  StorySkipButton->Enabled = true;
  ChapterDialog->StartConversation(n);
  LoadChatPictures();
}

void TFormMain::LoadChatPictures() {
  // The two people of this conversation only: all nine together would sit in memory for
  // the whole game.
  std::vector<std::string> names = {"ChatMainChar"};
  if (const int client = ChapterDialog->Client()) names.push_back("ChatCharacter" + std::to_string(client));
  for (const std::string& name : names)
    if (!OmegaImageList1.Find(name)) LoadImageFile(igMain, name + ".png", srLateLoad, ifPng);
}

void TFormMain::FreeChatPictures() {
  OmegaImageList1.Remove("ChatMainChar");
  for (int client = 1; client <= 8; ++client)
    OmegaImageList1.Remove("ChatCharacter" + std::to_string(client));
}

bool TFormMain::ShowHubTutorial() {
  // The first visit of the first island's hub, or a later one there while the page is still
  // unseen (a close during the first conversation must not lose it for good).
  if (BuySlots->IslandIdx != 1) return false;
  if (!Tutorial->HasNew(0, 0, goNormalMode)) return false;
  // The panels come with the check that follows the first conversation, the page after it.
  StartChapterDialog(1);
  return true;
}

void TFormMain::ShowHubPage() {
  if (HubGoing || Scene() != gsStickerBook || !Tutorial->HasNew(0, 0, goNormalMode)) return;
  Tutorial->Show(0, 0, goNormalMode);
  TutorialCharacter->Visible = true;
  TutorialOKButton->Visible = true;
  TutorialOKButton->Enabled = true;
}

void TFormMain::DrawHubStory() {
  if (ChatRunning()) {
    // The first visit's page waits for the talk to end: it fades in and writes itself then.
    ChapterDialog->UpdateAndDraw();
    StorySkipButton->Draw();
    return;
  }
  DrawTutorialLayer();
}

std::vector<TGameButton*> TFormMain::HubButtons() const {
  std::vector<TGameButton*> list;
  if (!ChatRunning()) {
    if (Tutorial->IsOpen())
      list.push_back(TutorialOKButton.get());
    else if (ToolTip->IsOpen())
      list.push_back(ToolTipOKButton.get());
    else if (!PracticeGame->IsOpen())
      list = {HubPlayButton.get(),      HubMenuButton.get(),      &BuySlots->BuyButton(1),
              &BuySlots->BuyButton(2), &BuySlots->BuyButton(3), &BuySlots->BuyButton(4)};
  }
  // The stories' skip button serves the hub only while a conversation runs.
  if (ChatRunning()) list.push_back(StorySkipButton.get());
  return list;
}

bool TFormMain::RouteHubStoryMouse(TMouseKind kind, int x, int y, bool left) {
  if (!ChatRunning() && !Tutorial->IsOpen() && !ToolTip->IsOpen()) return false;
  const bool skipTakes = kind == TMouseKind::Down && StorySkipButton->Visible &&
                         StorySkipButton->Enabled && StorySkipButton->HitTest(x, y);
  for (TGameButton* b : HubButtons()) Forward(*b, kind, x, y, left);
  if (kind == TMouseKind::Down && !skipTakes && ChatRunning())
    ChapterDialog->Click(left ? TMouseButton::Left : TMouseButton::Right);
  return true;
}

bool TFormMain::SkipChapterDialog() {
  if (Scene() != gsStickerBook) return false;
  if (ChatRunning()) ChapterDialog->EndConversation();
  return true;
}

void TFormMain::EndChapterDialogNow() {
  const int n = ChatNumber;
  if (n == 0) return;
  ChatNumber = 0;
  ChapterDialog->EndConversation();
  FreeChatPictures();
  if (VoicePlayer) VoicePlayer->StopAll();
  if (MusicBox) MusicBox->SetVolume(MusicVolumeNow());
  Trace("chapter", "left " + std::to_string(n));
  ChapterDialogEnded(n);
}
