// Mouse and keys: mapped to the logical screen and routed to the components of the scene.
#include <SDL_keycode.h>

#include <cstdlib>

#include "engine/Rounding.h"
#include "shell/TFormMain.h"

namespace {
// The N of "NAME#N": 1 or more in plain digits, else 0.
int WidgetOrdinal(const std::string& digits) {
  if (digits.empty() || digits.size() > 4 ||
      digits.find_first_not_of("0123456789") != std::string::npos)
    return 0;
  return std::atoi(digits.c_str());
}
}  // namespace

void TFormMain::WindowToLogical(double wx, double wy, int& lx, int& ly) {
  double bx = wx, by = wy;
  Services.Window->WindowToBackBuffer(wx, wy, bx, by);
  lx = RoundHalfEven(bx / OmegaScreen1.ScaleX);
  ly = RoundHalfEven(by / OmegaScreen1.ScaleY);
}

void TFormMain::Forward(TGameButton& b, TMouseKind kind, int x, int y, bool left) {
  switch (kind) {
    case TMouseKind::Down: b.MouseDown(x, y, left); break;
    case TMouseKind::Move: b.MouseMove(x, y); break;
    case TMouseKind::Up: b.MouseUp(x, y); break;
  }
}

std::vector<TGameButton*> TFormMain::SceneButtons() const {
  switch (Scene()) {
    case gsMenu:
      return {ChangePlayerLink.get(), PlayButton.get(), OptionsButton.get(),
              HighScoresButton.get(), ExitButton.get(), HelpButton.get()};
    case gsPlayerSelect:
      return {NameListNewButton.get(), NameListDeleteButton.get(), NameListOKButton.get()};
    case gsMap: return {MapMenuButton.get(), MapPlayButton.get()};
    case gsMainGame: return {InGameMenuButton.get()};
    case gsTutorial: return {InGameMenuButton.get(), TutorialOKButton.get()};
    case gsTutorialToolTip: return {InGameMenuButton.get(), ToolTipOKButton.get()};
    case gsInGameMenu: {
      auto menu = InGameMenuButtons();
      return {menu.begin(), menu.end()};
    }
    case gsStageResult: return {StageResultOKButton.get()};
    case gsStickerBook: return HubButtons();
    case gsOptions:
    case gsInGameOptions:
      return {OptionsCreditsButton.get(), OptionsOKButton.get(), SoundMinusButton.get(),
              SoundPlusButton.get(), MusicMinusButton.get(), MusicPlusButton.get()};
    case gsHighScores: return {HighScoresOKButton.get()};
    case gsHelp: return {HelpDoneButton.get()};
    case gsAddPlayer:
    case gsAddInitialPlayer: return {AddNameOKButton.get(), AddNameCancelButton.get()};
    case gsCredits: return {CreditsDoneButton.get()};
    case gsOpeningStory:
    case gsEndingStory: return {StorySkipButton.get()};
    default: return {};
  }
}

bool TFormMain::FindWidget(const std::string& widget, TWidgetRect& rect) {
  // "NAME#N": the n-th widget of the scene drawn from that picture (the two volume bars'
  // buttons share theirs). A disabled button is not there to click.
  std::string image = widget;
  int wanted = 1;
  if (auto hash = widget.find('#'); hash != std::string::npos) {
    image = widget.substr(0, hash);
    wanted = WidgetOrdinal(widget.substr(hash + 1));
    if (wanted < 1) return false;
  }
  for (const TShownWidget& w : ShownWidgets())
    if (w.Image == image && --wanted <= 0) {
      rect = w.Rect;
      return true;
    }
  return false;
}

std::vector<TFormMain::TShownWidget> TFormMain::ShownWidgets() {
  std::vector<TShownWidget> list;
  std::vector<TGameButton*> shown = SceneButtons();
  if (Scene() == gsConfirmWindow)
    shown = {&ConfirmWindow->PositiveButton(), &ConfirmWindow->NegativeButton()};
  if (Scene() == gsStickerBook && PracticeGame->IsOpen()) {
    AddPracticeWidgets(list);
    return list;
  }
  for (TGameButton* b : shown)
    // A disabled button is not there to click.
    if (b->Visible && b->Enabled)
      list.push_back({b->ImageName, {b->Left, b->Top, b->Width(), b->Height()}});
  if (Scene() == gsOptions || Scene() == gsInGameOptions)
    for (TGameCheckBox* c :
         {SoundCheck.get(), MusicCheck.get(), FullScreenCheck.get(), TutorialCheck.get()})
      list.push_back({c->ImageName, {c->Left, c->Top, c->Width, c->Height}});
  if (Scene() == gsMainGame)
    for (auto& t : Tools)
      if (t->Accessible && t->Available)
        list.push_back({t->ImgName, {t->RectLeft, t->RectTop, t->RectWidth, t->RectHeight}});
  return list;
}

void TFormMain::AddPracticeWidgets(std::vector<TShownWidget>& list) {
  // What the practice window lets a player click: the hidden ingredients not yet found, then
  // the pot the recipe asks for next (first, so that "PracticeSlot" is the right one) and the
  // other pots, then Done. Places are on the screen.
  const TPracticeMiniGame& p = *PracticeGame;
  if (!p.TakesInput()) return;
  const int left = TPracticeMiniGame::WindowLeft, top = p.WindowY();
  if (p.GetState() == psFindStep)
    for (int k = 1; k <= 4; ++k) {
      const THiddenIngredient& h = p.Hidden(k);
      if (!h.Found)
        list.push_back({"HiddenElements",
                        {left + h.X, top + h.Y + 16, p.HiddenIngredRectWidth, p.HiddenIngredRectHeight}});
    }
  if (p.GetState() == psPlaceStep && p.NextIngredient() <= 4) {
    const int wanted = p.Hidden(p.NextIngredient()).Kind;
    bool wantedListed = false;
    std::vector<TShownWidget> others;
    for (int s = 1; s <= 4; ++s) {
      if (p.Pot(s).Done) continue;
      TShownWidget w{"PracticeSlot", {left + TPracticeMiniGame::PotLeft(s),
                                      top + TPracticeMiniGame::PotTop(s), p.SlotRectWidth,
                                      p.SlotRectHeight}};
      if (!wantedListed && p.Pot(s).Kind == wanted) {
        list.push_back(w);
        wantedListed = true;
      } else {
        others.push_back(w);
      }
    }
    list.insert(list.end(), others.begin(), others.end());
  }
  TGameButton& done = PracticeGame->DoneButton();
  if (done.Visible && done.Enabled)
    list.push_back({done.ImageName, {done.Left, done.Top, done.Width(), done.Height()}});
}

void TFormMain::RouteMouse(TMouseKind kind, int x, int y, bool left) {
  auto buttons = [&](const std::vector<TGameButton*>& list) {
    for (TGameButton* b : list) Forward(*b, kind, x, y, left);
  };
  switch (Scene()) {
    case gsCompanyLogos:
      if (kind == TMouseKind::Down) CompanyLogos.Skip();
      break;
    case gsSplash:
      if (kind == TMouseKind::Down && LoadingBar->LoadingFinished()) {
        SplashAnswered = true;
        if (NoPlayersYet) {
          NameInput->SetText("");
          AddNameCancelButton->Enabled = false;
          AddNameWindow->Show();
          ScreenDarkener->FadeIn();
          SetScene(gsAddInitialPlayer);
        } else {
          LoadPlayerSave();
          SwitchScene(gsMenu);
        }
      }
      break;
    case gsPlayerSelect:
      if (kind == TMouseKind::Down) NameList->MouseDown(x, y, left);
      if (kind == TMouseKind::Move) NameList->MouseMove(x, y);
      buttons(SceneButtons());
      break;
    case gsMainGame: RouteMainGameMouse(kind, x, y, left); break;
    case gsStickerBook: RouteHubMouse(kind, x, y, left); break;
    case gsObjectiveInfo:
      if (kind == TMouseKind::Down) ObjectiveInfo->Click();
      break;
    case gsOptions:
    case gsInGameOptions:
      buttons(SceneButtons());
      for (TGameCheckBox* c :
           {SoundCheck.get(), MusicCheck.get(), FullScreenCheck.get(), TutorialCheck.get()}) {
        if (kind == TMouseKind::Down) c->MouseDown(x, y, left);
        if (kind == TMouseKind::Move) c->MouseMove(x, y);
      }
      break;
    case gsHelp:
      // A click anywhere but on Done turns the page.
      if (kind == TMouseKind::Down && left && !HelpDoneButton->HitTest(x, y)) HelpPages->NextPage();
      buttons(SceneButtons());
      break;
    case gsConfirmWindow:
      if (kind == TMouseKind::Down) ConfirmWindow->MouseDown(x, y, left);
      if (kind == TMouseKind::Move) ConfirmWindow->MouseMove(x, y);
      if (kind == TMouseKind::Up) ConfirmWindow->MouseUp(x, y);
      break;
    default: buttons(SceneButtons()); break;
  }
}

void TFormMain::RouteMainGameMouse(TMouseKind kind, int x, int y, bool left) {
  TGameBoard& b = *GameBoard;
  const TMouseButton button = left ? TMouseButton::Left : TMouseButton::Right;
  auto carriedInUse = [this] {
    for (TCarriedTool* t : CarriedTools())
      if (t->Held() || t->Working()) return true;
    return false;
  };
  // The release reaches the board first: the menu button may open the menu on it, and a
  // board still held afterwards would swap tiles on a mere move after Resume.
  if (kind == TMouseKind::Up && left) b.SetMouseHeld(false);
  Forward(*InGameMenuButton, kind, x, y, left);
  if (Scene() != gsMainGame) return;  // the menu button opened the in-game menu
  switch (kind) {
    case TMouseKind::Down: {
      if (left) b.SetMouseHeld(true);
      if (GameComments->CurrentPhase() == TGameComment::TPhase::Waving) GameComments->SkipWaving();
      // A tool in hand (or just released onto the board) keeps the press from the board.
      const bool toolBusy = ToolsMouseDown(x, y, button);
      if (!toolBusy && !carriedInUse()) b.MouseDown(x, y, button);
      break;
    }
    case TMouseKind::Move:
      ToolsMouseMove(x, y);
      // Dragging from a pressed tile onto its neighbour swaps them.
      if (b.MouseHeld() && !carriedInUse() && !AnyToolHeld()) b.MouseDown(x, y, TMouseButton::Left);
      break;
    case TMouseKind::Up: break;
  }
}

void TFormMain::FormMouseDown(TMouseButton button, double wx, double wy) {
  if (SceneTransition && SceneTransition->IsBlocking()) return;
  int x, y;
  WindowToLogical(wx, wy, x, y);
  RouteMouse(TMouseKind::Down, x, y, button == TMouseButton::Left);
}

void TFormMain::FormMouseMove(double wx, double wy) {
  RequestedCursor = TCursorKind::Arrow;
  HoverCursor = TCursorKind::Arrow;
  if (SceneTransition && SceneTransition->IsBlocking()) return;
  int x, y;
  WindowToLogical(wx, wy, x, y);
  RouteMouse(TMouseKind::Move, x, y, false);
  TCursorKind wanted = RequestedCursor;
  HoverCursor = wanted;
  Services.Window->SetCursor(HoverCursor);
  if (wanted != ShownCursor) {
    ShownCursor = wanted;
    Trace("cursor", wanted == TCursorKind::Hand ? "hand" : "arrow");
  }
}

void TFormMain::FormMouseUp(TMouseButton button, double wx, double wy) {
  if (SceneTransition && SceneTransition->IsBlocking()) return;
  int x, y;
  WindowToLogical(wx, wy, x, y);
  RouteMouse(TMouseKind::Up, x, y, button == TMouseButton::Left);
}

void TFormMain::FormKeyDown(const TPlatformEvent& key) {
  switch (key.Key) {
    case SDLK_BACKSPACE: FormKeyPress(std::string(1, '\b')); break;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: FormKeyPress(std::string(1, '\r')); break;
    case SDLK_ESCAPE: FormKeyPress(std::string(1, '\x1b')); break;
    case SDLK_F5:
      if (CheatMode) OmegaTimer1.SetTargetFPS(OmegaTimer1.GetTargetFPS() == 33 ? 0 : 33);
      break;
    case SDLK_F2:
      if (CheatMode && Scene() == gsMainGame && !GamePaused) CheatWinLevel();
      if (CheatMode && Scene() == gsStickerBook && PracticeGame->IsOpen()) PracticeGame->Finish();
      break;
    case SDLK_F3:
      if (CheatMode && Scene() == gsMainGame && !GamePaused) CheatToolsAndEnergy();
      break;
    default: break;  // F10 and every other key do nothing
  }
}

void TFormMain::FormKeyUp(const TPlatformEvent&) {}

void TFormMain::FormKeyPress(const std::string& text) {
  // Over a tutorial page or tip as well: its Menu button is there too.
  if ((Scene() == gsMainGame || Scene() == gsTutorial || Scene() == gsTutorialToolTip) &&
      text == "\x1b") {
    // Not while a wipe leads elsewhere: the pause would outlive the level it was made for.
    if (InGameMenuButton->Enabled && InGameMenuButton->Visible && !SceneTransition->IsActive())
      OpenInGameMenu();
    return;
  }
  if (Scene() == gsStickerBook && text == "\x1b") {
    // Escape first ends a conversation, as its skip button would; otherwise it is the Menu
    // button, which the practice, the page and a tip hold off until they are done.
    if (ChatRunning())
      SkipChapterDialog();
    else if (!PracticeGame->IsOpen() && !Tutorial->IsOpen() && !ToolTip->IsOpen())
      HubToMenu();
    return;
  }
  if (Scene() != gsAddPlayer && Scene() != gsAddInitialPlayer) return;
  if (AddNameWindow->IsHidden()) return;
  for (char c : text)
    if (static_cast<unsigned char>(c) < 128) NameInput->KeyPress(c);
}
