#include "ui/TGameConfirmWindow.h"

#include "text/TGlobalGameText.h"
#include "text/TTextStrings.h"
#include "text/WrapText.h"

TGameConfirmWindow::TGameConfirmWindow(TOmegaImageList& images, TGlobalGameText& text,
                                       TTextStrings& strings)
    : OmgImgList(images),
      GlobGameText(text),
      TextStringsComp(strings),
      MenuWindow(images),
      Positive(images),
      Negative(images) {
  MenuWindow.WindowImg = "ConfirmWindow";
  MenuWindow.HidingYPos = -190;
  MenuWindow.ShowDir = sdToDown;
  MenuWindow.MoveStep = 85;
  MenuWindow.OnPosUpdate = [this](TGameMenuWindow&, TPoint p) {
    Positive.SetPosition(p.X + 67, p.Y + 136);
    Negative.SetPosition(p.X + 228, p.Y + 136);
  };
  MenuWindow.OnStartShowing = [this](TGameMenuWindow&) {
    if (OnStartShowing) OnStartShowing(*this);
  };
  MenuWindow.OnStartHiding = [this](TGameMenuWindow&) {
    if (OnStartHiding) OnStartHiding(*this);
  };
  MenuWindow.OnHidingComplete = [this](TGameMenuWindow&) {
    if (OnHidingComplete) OnHidingComplete(*this, FAnswer);
  };
  Positive.OnClick = [this](TGameButton&) {
    FAnswer = caPositive;
    if (OnPositiveButtonClick) OnPositiveButtonClick(*this);
    MenuWindow.Hide();
  };
  Negative.OnClick = [this](TGameButton&) {
    FAnswer = caNegative;
    if (OnNegativeButtonClick) OnNegativeButtonClick(*this);
    MenuWindow.Hide();
  };
  for (TGameButton* b : {&Positive, &Negative}) {
    b->PlaySound = [this](const std::string& name) {
      if (PlaySound) PlaySound(name);
    };
    b->RequestCursor = [this](TCursorKind kind) {
      if (RequestCursor) RequestCursor(kind);
    };
  }
  Positive.ImageName = "WindowYesButton";
  Negative.ImageName = "WindowNoButton";
}

void TGameConfirmWindow::LinesOfKind(TConfirmKind kind, int& titleLine, int& descLine) {
  switch (kind) {
    case ckTryAgain: titleLine = 1, descLine = 2; break;
    // The same title: a fight is lost only on time; line 3 says it of the creature.
    case ckTryFightAgain: titleLine = 1, descLine = 3; break;
    case ckQuitGame: titleLine = 7, descLine = 8; break;
    case ckDeletePlayer: titleLine = 10, descLine = 11; break;
    case ckDisplayFromMenu:
    case ckDisplayInGame: titleLine = 16, descLine = 17; break;
    case ckNameTaken: titleLine = 13, descLine = 14; break;
    case ckLeaveLevel:
    case ckCloseDuringLevel: titleLine = 4, descLine = 5; break;
    case ckRelaxedMode: titleLine = 19, descLine = 20; break;
    default: titleLine = descLine = 0; break;
  }
}

void TGameConfirmWindow::Ask(TConfirmKind kind, TPositiveButtonKind positive, TNegativeButtonKind negative) {
  FKind = kind;
  PositiveButtonKind = positive;
  NegativeButtonKind = negative;
  Positive.ImageName = positive == pbOK ? "WindowOKButton" : "WindowYesButton";
  Negative.ImageName = negative == nbCancel ? "WindowCancelButton" : "WindowNoButton";
  ReloadButtonSizes();
  int titleLine, descLine;
  LinesOfKind(kind, titleLine, descLine);
  FTitle = titleLine ? TextStringsComp.GameConfirms[titleLine] : "";
  Descs.clear();
  if (descLine) {
    std::string wrapped = WrapText(TGameFontKind::fkAirstripNormal,
                                   TextStringsComp.GameConfirms[descLine], -1, MaxDescTextWidth,
                                   0.55);
    std::size_t start = 0;
    while (Descs.size() < 3 && start <= wrapped.size()) {
      std::size_t bar = wrapped.find('|', start);
      std::string line = wrapped.substr(start, bar == std::string::npos ? std::string::npos : bar - start);
      if (!line.empty()) Descs.push_back(line);
      if (bar == std::string::npos) break;
      start = bar + 1;
    }
  }
  FAnswer = caNegative;
  MenuWindow.Show();
}

void TGameConfirmWindow::ReloadButtonSizes() {
  Positive.ReloadSize();
  Negative.ReloadSize();
}

void TGameConfirmWindow::UpdateAndDraw() {
  MenuWindow.Update();
  MenuWindow.Draw();
  if (MenuWindow.IsHidden()) return;
  TPoint p = MenuWindow.Position();
  int titleWidth = GlobGameText.TextWidth(FTitle, 0, 0.78);
  GlobGameText.DrawText(static_cast<float>(p.X + 40 + (350 - titleWidth) / 2),
                        static_cast<float>(p.Y + 27), FTitle, {.Scale = 0.78});
  if (!Descs.empty()) {
    int firstWidth = GlobGameText.TextWidth(Descs[0], -1, 0.55);
    float x = static_cast<float>(p.X + 26 + (370 - firstWidth) / 2);
    int top = Descs.size() == 1 ? 92 : Descs.size() == 2 ? 81 : 70;
    for (std::size_t i = 0; i < Descs.size(); ++i)
      GlobGameText.DrawText(x, static_cast<float>(p.Y + top + static_cast<int>(i) * DescsGap),
                            Descs[i], {.Scale = 0.55, .ExtraSpacing = -1});
  }
  Positive.Draw();
  Negative.Draw();
}

void TGameConfirmWindow::MouseDown(int x, int y, bool leftButton) {
  Positive.MouseDown(x, y, leftButton);
  Negative.MouseDown(x, y, leftButton);
}

void TGameConfirmWindow::MouseMove(int x, int y) {
  Positive.MouseMove(x, y);
  Negative.MouseMove(x, y);
}

void TGameConfirmWindow::MouseUp(int x, int y) {
  Positive.MouseUp(x, y);
  Negative.MouseUp(x, y);
}
