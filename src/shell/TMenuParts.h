#pragma once
#include <memory>
#include <string>

#include "engine/TAnimData.h"
#include "engine/TValueUpDown.h"
#include "profiles/THighScores.h"
#include "profiles/TNameInput.h"
#include "profiles/TNameList.h"
#include "ui/TCreditLines.h"
#include "ui/TGameButton.h"
#include "ui/TGameCheckBox.h"
#include "ui/TGameMenuWindow.h"
#include "ui/THelpPages.h"
#include "ui/TPanelMover.h"
#include "ui/TVolumeBar.h"

class TGlobalGameText;
class TOmegaImageList;
class TTextStrings;
class TWidgetMaker;

// The menu and the windows over it: the player list and the new name, options, high scores,
// help, credits, and the stories' skip button. What their buttons do is the window's.
class TMenuParts {
 public:
  std::unique_ptr<TNameList> NameList;
  std::unique_ptr<TNameInput> NameInput;
  std::unique_ptr<THighScores> HighScores;
  std::unique_ptr<TCreditLines> CreditLines;
  std::unique_ptr<THelpPages> HelpPages;
  std::unique_ptr<TGameButton> StorySkipButton, HelpDoneButton, CreditsDoneButton,
      NameListNewButton, NameListDeleteButton, NameListOKButton, AddNameOKButton,
      AddNameCancelButton, ChangePlayerLink, PlayButton, OptionsButton, HighScoresButton,
      ExitButton, HelpButton, OptionsCreditsButton, OptionsOKButton, SoundMinusButton,
      SoundPlusButton, MusicMinusButton, MusicPlusButton, HighScoresOKButton;
  std::unique_ptr<TGameMenuWindow> NameListWindow, InfoWindow, HighScoreWindow, AddNameWindow,
      OptionsWindow;
  std::unique_ptr<TPanelMover> MenuPanel, WelcomePanel;
  std::unique_ptr<TVolumeBar> SoundBar, MusicBar;
  std::unique_ptr<TGameCheckBox> SoundCheck, MusicCheck, FullScreenCheck, TutorialCheck;
  // The menu's small motions: a blink now and then, a gently swinging wand and logo, and the
  // notice of the newer systems fading in and out.
  TAnimData MenuBlink;
  TValueUpDown WandSwing, LogoSwing;
  int NoticeCounter = 0, NoticeTarget = 255, NoticeAlpha = 0;

 protected:
  void Create(const TWidgetMaker& make, TOmegaImageList& images, TGlobalGameText& text,
              TTextStrings& texts, const std::string& saveFolder);
  // Widgets follow the panel or window they sit on.
  void Wire();
  void ReadImageSizes();
  // New while the list has room, Delete while it has a name.
  void UpdateNameListButtons();

 private:
  void PlaceMenuButtons(TPoint panel);
  void PlaceOptionWidgets(TPoint window);
};
