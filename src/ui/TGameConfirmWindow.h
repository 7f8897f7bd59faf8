#pragma once
#include <functional>
#include <string>
#include <vector>

#include "engine/TComponent.h"
#include "ui/TConfirmKind.h"
#include "ui/TGameButton.h"
#include "ui/TGameMenuWindow.h"

class TOmegaImageList;
class TGlobalGameText;
class TTextStrings;

enum TPositiveButtonKind { pbYes, pbOK };
enum TNegativeButtonKind { nbNo, nbCancel };
// Which button closed the window; anything but the positive one counts as no.
enum TConfirmAnswer : int { caNegative = 0, caPositive = 1 };

// The yes/no question window. The shell asks by kind and reads the kind and the answer back
// when the window has gone.
class TGameConfirmWindow : public TComponent {
 public:
  using TEvent = std::function<void(TGameConfirmWindow& sender)>;

  TGameConfirmWindow(TOmegaImageList& images, TGlobalGameText& text, TTextStrings& strings);

  int DescsGap = 23;
  int MaxDescTextWidth = 360;
  TPositiveButtonKind PositiveButtonKind = pbYes;
  TNegativeButtonKind NegativeButtonKind = nbNo;
  TEvent OnStartShowing, OnStartHiding, OnPositiveButtonClick, OnNegativeButtonClick;
  std::function<void(TGameConfirmWindow& sender, TConfirmAnswer answer)> OnHidingComplete;
  // Sounds by name (its buttons' clicks); the shell hands them to the effect player.
  std::function<void(const std::string& name)> PlaySound;
  // The cursor its buttons want.
  std::function<void(TCursorKind kind)> RequestCursor;

  void Ask(TConfirmKind kind, TPositiveButtonKind positive, TNegativeButtonKind negative);
  void UpdateAndDraw();
  void MouseDown(int x, int y, bool leftButton);
  void MouseMove(int x, int y);
  void MouseUp(int x, int y);
  void ReloadButtonSizes();

  TConfirmKind Kind() const { return FKind; }
  TConfirmAnswer Answer() const { return FAnswer; }
  const std::string& Title() const { return FTitle; }
  const std::vector<std::string>& Descriptions() const { return Descs; }
  TGameMenuWindow& Window() { return MenuWindow; }
  TGameButton& PositiveButton() { return Positive; }
  TGameButton& NegativeButton() { return Negative; }
  // The title and description lines of each kind in the confirmation catalogue (0: none).
  static void LinesOfKind(TConfirmKind kind, int& titleLine, int& descLine);

 private:
  TOmegaImageList& OmgImgList;
  TGlobalGameText& GlobGameText;
  TTextStrings& TextStringsComp;
  TGameMenuWindow MenuWindow;
  TGameButton Positive, Negative;
  TConfirmKind FKind = ckTryAgain;
  TConfirmAnswer FAnswer = caNegative;
  std::string FTitle;
  std::vector<std::string> Descs;
};
