#include "shell/TMenuParts.h"

#include "shell/TWidgetMaker.h"
#include "text/TGlobalGameText.h"

void TMenuParts::Create(const TWidgetMaker& make, TOmegaImageList& images, TGlobalGameText& text,
                        TTextStrings& texts, const std::string& saveFolder) {
  NameList = std::make_unique<TNameList>();
  NameList->Left = NameList->Top = -999;
  NameList->FileName = saveFolder + "Players.dat";
  NameList->OnHoverName = [cursor = make.CursorRoute()] {
    if (cursor) cursor(TCursorKind::Hand);
  };
  NameInput = std::make_unique<TNameInput>();
  NameInput->Left = NameInput->Top = -999;
  NameInput->MeasureText = [&text](const std::string& t, float scale) {
    return static_cast<float>(text.TextWidth(t, 0, scale));
  };
  HighScores = std::make_unique<THighScores>();
  HighScores->NormalModeFileName = saveFolder + "HighScores.dat";
  CreditLines = std::make_unique<TCreditLines>(text, texts);

  StorySkipButton = make.Button("StorySkipButton", 1259, 728);
  HelpDoneButton = make.Button("WindowDoneButton", 626, 675);
  HelpPages = std::make_unique<THelpPages>(images);
  NameListWindow = make.Window("NameListWindow", 449, 191, -470, 191, 100, sdToRight);
  InfoWindow = make.Window("InfoWindow", 480, 187, 480, -400, 85, sdToDown);
  HighScoreWindow = make.Window("InfoWindow", 480, 187, 1366, 187, 100, sdToLeft);
  AddNameWindow = make.Window("AddNameWindow", 450, 271, -470, 271, 100, sdToRight);
  OptionsWindow = make.Window("OptionsWindow", 460, 187, -450, 187, 100, sdToRight);
  CreditsDoneButton = make.Button("WindowDoneButton", -999, -999);
  NameListNewButton = make.Button("NameListNewButton", -999, -999);
  NameListDeleteButton = make.Button("NameListDeleteButton", -999, -999);
  NameListOKButton = make.Button("WindowOKButton", -999, -999);
  AddNameOKButton = make.Button("WindowOKButton", -999, -999);
  AddNameCancelButton = make.Button("WindowCancelButton", -999, -999);
  ChangePlayerLink = make.Button("ChangePlayerLink", -999, -999);
  PlayButton = make.Button("PlayButton", -999, -999);
  OptionsButton = make.Button("OptionsButton", -999, -999);
  HighScoresButton = make.Button("HighScoresButton", -999, -999);
  ExitButton = make.Button("ExitButton", -999, -999);
  HelpButton = make.Button("HelpButton", -999, -999);
  OptionsCreditsButton = make.Button("CreditsButton", -999, -999);
  OptionsOKButton = make.Button("WindowOKButton", -999, -999);
  SoundMinusButton = make.Button("VolumeMinusButton", -999, -999);
  SoundPlusButton = make.Button("VolumePlusButton", -999, -999);
  MusicMinusButton = make.Button("VolumeMinusButton", -999, -999);
  MusicPlusButton = make.Button("VolumePlusButton", -999, -999);
  HighScoresOKButton = make.Button("WindowOKButton", -999, -999);

  MenuPanel = std::make_unique<TPanelMover>();
  MenuPanel->Setup(1014, 234, 1014, 270, 0, 1);
  WelcomePanel = std::make_unique<TPanelMover>();
  WelcomePanel->Setup(0, 0, 0, -26, 0, 1);

  SoundBar = std::make_unique<TVolumeBar>(images);
  MusicBar = std::make_unique<TVolumeBar>(images);
  SoundCheck = make.CheckBox("CheckBoxSound", 78, 31);
  MusicCheck = make.CheckBox("CheckBoxMusic", 95, 31);
  FullScreenCheck = make.CheckBox("CheckBoxFullscreen", 146, 31);
  TutorialCheck = make.CheckBox("CheckBoxTutorial", 118, 31);
  TutorialCheck->Checked = true;

  MenuBlink.SetSeq(std::string(120, '-') + "123321-");
  MenuBlink.Looped = true;
  WandSwing.Setup(-40, 40, 1, 1);
  LogoSwing.Setup(-0.12f, 0.12f, 0.004f, 0.004f);
}

void TMenuParts::Wire() {
  MenuPanel->OnPosUpdate = [this](TPanelMover&, TPoint p) { PlaceMenuButtons(p); };
  WelcomePanel->OnPosUpdate = [this](TPanelMover&, TPoint p) {
    ChangePlayerLink->SetPosition(p.X + 21, p.Y + 54);
  };
  NameListWindow->OnPosUpdate = [this](TGameMenuWindow&, TPoint p) {
    NameList->Left = p.X + TNameList::WindowOffsetX;
    NameList->Top = p.Y + TNameList::WindowOffsetY;
    NameListNewButton->SetPosition(p.X + 59, p.Y + 335);
    NameListDeleteButton->SetPosition(p.X + 166, p.Y + 335);
    NameListOKButton->SetPosition(p.X + 284, p.Y + 335);
  };
  AddNameWindow->OnPosUpdate = [this](TGameMenuWindow&, TPoint p) {
    NameInput->Left = p.X + 87;
    NameInput->Top = p.Y + 106;
    AddNameOKButton->SetPosition(p.X + 93, p.Y + 174);
    AddNameCancelButton->SetPosition(p.X + 263, p.Y + 174);
  };
  InfoWindow->OnPosUpdate = [this](TGameMenuWindow&, TPoint p) {
    CreditsDoneButton->SetPosition(p.X + 148, p.Y + 343);
    CreditLines->Left = p.X + TCreditLines::WindowOffsetX;
    CreditLines->Top = p.Y + TCreditLines::WindowOffsetY;
  };
  HighScoreWindow->OnPosUpdate = [this](TGameMenuWindow&, TPoint p) {
    HighScoresOKButton->SetPosition(p.X + 148, p.Y + 343);
  };
  OptionsWindow->OnPosUpdate = [this](TGameMenuWindow&, TPoint p) { PlaceOptionWidgets(p); };
}

void TMenuParts::PlaceMenuButtons(TPoint p) {
  PlayButton->SetPosition(p.X + 67, p.Y + 81);
  OptionsButton->SetPosition(p.X + 86, p.Y + 267);
  HighScoresButton->SetPosition(p.X + 86, p.Y + 331);
  HelpButton->SetPosition(p.X + 86, p.Y + 394);
  ExitButton->SetPosition(p.X + 86, p.Y + 473);
}

void TMenuParts::PlaceOptionWidgets(TPoint w) {
  OptionsCreditsButton->SetPosition(w.X + 86, w.Y + 198);
  OptionsOKButton->SetPosition(w.X + 251, w.Y + 198);
  SoundCheck->SetPosition(w.X + 38, w.Y + 63);
  SoundMinusButton->SetPosition(w.X + 198, w.Y + 63);
  SoundBar->Left = w.X + 243;
  SoundBar->Top = w.Y + 67;
  SoundPlusButton->SetPosition(w.X + 380, w.Y + 63);
  MusicCheck->SetPosition(w.X + 38, w.Y + 109);
  MusicMinusButton->SetPosition(w.X + 198, w.Y + 109);
  MusicBar->Left = w.X + 243;
  MusicBar->Top = w.Y + 113;
  MusicPlusButton->SetPosition(w.X + 380, w.Y + 109);
  FullScreenCheck->SetPosition(w.X + 38, w.Y + 152);
  TutorialCheck->SetPosition(w.X + 216, w.Y + 152);
}

void TMenuParts::ReadImageSizes() {
  for (TGameButton* b :
       {StorySkipButton.get(), HelpDoneButton.get(), CreditsDoneButton.get(),
        NameListNewButton.get(), NameListDeleteButton.get(), NameListOKButton.get(),
        AddNameOKButton.get(), AddNameCancelButton.get(), ChangePlayerLink.get(), PlayButton.get(),
        OptionsButton.get(), HighScoresButton.get(), ExitButton.get(), HelpButton.get(),
        OptionsCreditsButton.get(), OptionsOKButton.get(), SoundMinusButton.get(),
        SoundPlusButton.get(), MusicMinusButton.get(), MusicPlusButton.get(),
        HighScoresOKButton.get()})
    b->ReloadSize();
  SoundBar->ReloadSize();
  MusicBar->ReloadSize();
}

void TMenuParts::UpdateNameListButtons() {
  NameListNewButton->Enabled = !NameList->IsFull();
  NameListDeleteButton->Enabled = !NameList->IsEmpty();
}
