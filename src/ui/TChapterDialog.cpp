#include "ui/TChapterDialog.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"
#include "text/TTextStrings.h"
#include "text/WrapText.h"

namespace {
constexpr float kFadeStep = 0.07f;
constexpr double kBalloonFontRatio = 0.59;
constexpr int kBalloonHorzSpace = -2;

std::uint8_t AlphaOf(double value) {
  return static_cast<std::uint8_t>(std::clamp(std::nearbyint(value), 0.0, 255.0));
}

// "C:Text" - the heading lines between conversations carry no such code.
bool IsSpeakerLine(const std::string& line) { return line.size() >= 2 && line[1] == ':'; }
}  // namespace

TChapterDialog::TChapterDialog() {
  for (TBalloon& b : Balloons) {
    b.Popper.MinRatio = 0.1f;
    b.Popper.MaxRatio = 1.05f;
    b.Popper.NormalRatio = 1.0f;
    b.Popper.UpStep = 0.2f;
    b.Popper.DownStep = 0.02f;
  }
  SetUpTexts();
}

void TChapterDialog::SetUpTexts() {
  for (TNarrationText& t : Texts) {
    t.OmgImgList = OmgImgList;
    // Black letters in a dark outline run together; the balloons take the letters alone.
    t.FontKind = TGameFontKind::fkAirstripInk;
    t.FontRatio = kBalloonFontRatio;
    t.HorzSpaceAdd = kBalloonHorzSpace;
    t.VertSpace = LinesGap;
    t.StartingAlpha = 30;
    t.AlphaStep = IsWindows8OrLater ? 75 : 25;
    t.SetMaxAlpha(225);
    t.AlphaUpdateRepeat = IsWindows8OrLater ? 3 : 1;
    t.VanishingAlphaStep = IsWindows8OrLater ? 150 : 50;
  }
}

void TChapterDialog::SpeakerOf(char code, TCharacterSide& side, int& client) {
  static const char kCodes[] = "VMSEOGWL";  // clients 1..8
  const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(code)));
  side = csOrvell;
  client = 0;
  for (int i = 0; i < 8; ++i)
    if (upper == kCodes[i]) {
      side = csClient;
      client = i + 1;
    }
}

// Conversations are separated by an empty line and a heading. A heading that is missing
// costs nothing (a speaker line is never taken for one); lines past the twentieth are
// dropped up to the next empty line, so the conversations after it stay in step.
void TChapterDialog::LoadConversations() {
  for (TConversation& c : Conversations) c = TConversation{};
  if (!TextStringsComp) return;
  const TTextStrings::TSlots& chats = TextStringsComp->CharacterChats;
  const int count = chats.Count();
  int p = 1;
  for (TConversation& conv : Conversations) {
    while (p <= count && chats[p].empty()) ++p;
    if (p <= count && !IsSpeakerLine(chats[p])) ++p;
    int n = 0;
    for (; p <= count && !chats[p].empty(); ++p) {
      const std::string& raw = chats[p];
      std::string text = raw.size() > 2 ? raw.substr(2) : std::string();
      if (n == MaxConversationLines || text.find_first_not_of(' ') == std::string::npos) continue;
      if (text.size() > LineCapacity) text.resize(LineCapacity);
      TChatLine& line = conv.Lines[n++];
      SpeakerOf(raw[0], line.Side, line.Client);
      line.Text = WrapText(TGameFontKind::fkAirstripNormal, text, kBalloonHorzSpace,
                           MaxBalloonTextWidth, kBalloonFontRatio);
      line.TextLines =
          std::min<int>(MaxBalloonLines, 1 + std::count(line.Text.begin(), line.Text.end(), '|'));
    }
    conv.FirstLine = 1;
    conv.LastLine = n;
  }
}

void TChapterDialog::Reset() {
  for (TBalloon& b : Balloons) {
    b.Alpha = b.Target = 0;
    b.TextLines = 1;
    b.Popper.Reset();
  }
  SetUpTexts();
  for (TNarrationText& t : Texts) t.Reset();
  FActive = FEnding = Delaying = BalloonRunning = false;
  DelayTimer = BalloonTimer = Duration = 0;
  FConversation = FLine = FClient = 0;
  Speaker = csOrvell;
  Fade = FadeTarget = 0;
}

void TChapterDialog::StartConversation(int n) {
  Reset();
  ++Run;
  FActive = true;
  FadeTarget = 1;
  FConversation = n >= 1 && n <= ConversationCount ? n : 0;
  if (FConversation) {
    const TConversation& c = Conversations[FConversation - 1];
    for (int i = 0; i < c.LastLine && !FClient; ++i)
      if (c.Lines[i].Side == csClient) FClient = c.Lines[i].Client;
  }
  Delaying = true;
}

const TChapterDialog::TChatLine* TChapterDialog::LineAt(int line) const {
  if (!FConversation) return nullptr;
  const TConversation& c = Conversations[FConversation - 1];
  return line >= 1 && line <= c.LastLine ? &c.Lines[line - 1] : nullptr;
}

TPoint TChapterDialog::BalloonPos(TCharacterSide side) const {
  return side == csClient ? TChatPlaces::ClientBalloon(FClient) : TChatPlaces::MainBalloon;
}

void TChapterDialog::StartBalloon() {
  const TChatLine* line = LineAt(FLine);
  if (!line) {
    EndOfLines();
    return;
  }
  Speaker = line->Side;
  const TCharacterSide other = Speaker == csOrvell ? csClient : csOrvell;
  TBalloon& b = Balloons[Speaker];
  b.Target = MaxBalloonAlpha;
  b.TextLines = line->TextLines;
  b.Popper.Pop();
  Balloons[other].Target = 0;
  Texts[other].Vanish();
  const TPoint at = BalloonPos(Speaker);
  Texts[Speaker].StartColored(at.X + TChatPlaces::TextOffsetX, at.Y + TChatPlaces::TextOffsetY, 0,
                              0, 0, line->Text);
  const int length = static_cast<int>(line->Text.size());
  Duration =
      std::max(length, MinimumLineLengthForInterval) * IntervalPerChar + ExtraIntervalPerBalloon;
  BalloonTimer = 0;
  BalloonRunning = true;
  if (OnStartOfBalloon) OnStartOfBalloon(*this, FLine, line->Client, line->Side);
}

void TChapterDialog::EndOfLines() {
  FEnding = true;
  FadeTarget = 0;
  Delaying = BalloonRunning = false;
  for (TNarrationText& t : Texts) t.Vanish();
}

void TChapterDialog::EndConversation() {
  if (FActive) EndOfLines();
}

void TChapterDialog::Click(TMouseButton button) {
  if (button != TMouseButton::Left || !FActive || FEnding || !BalloonRunning) return;
  if (Texts[Speaker].Complete()) BalloonTimer = Duration;
}

void TChapterDialog::DrawBalloon(TCharacterSide side) {
  const TBalloon& b = Balloons[side];
  if (b.Alpha <= 0 || !OmgImgList) return;
  const TPoint at = BalloonPos(side);
  // The clients stand on the right: their balloon is the picture mirrored, so that its tail
  // leans toward the one who speaks.
  const float mirror = side == csClient ? -1.0f : 1.0f;
  const TDrawStyle style{
      .A = AlphaOf(b.Alpha * Fade), .ScaleX = mirror * b.Popper.Ratio(), .CenterX = 0.5f};
  const float x = static_cast<float>(at.X);
  OmgImgList->DrawImage("ChapterDialogBalloon", x, static_cast<float>(at.Y), 0, style);
  for (int i = 0; i < b.TextLines; ++i)
    OmgImgList->DrawImage("ChapterDialogBalloon", x, static_cast<float>(at.Y + i * LinesGap + 24),
                          1, style);
  OmgImgList->DrawImage("ChapterDialogBalloon", x,
                        static_cast<float>(at.Y + b.TextLines * LinesGap + 24), 2, style);
}

float TChapterDialog::SwayAngle(const TValueUpDown& sway) {
  // In steps of a twenty-fifth of a degree (under half a pixel at their heads): the people
  // then stand still for several frames at a time, which the screen need not redraw.
  constexpr float Step = 0.04f;
  return std::round(0.7f * sway.Value / Step) * Step;
}

void TChapterDialog::UpdateAndDraw() {
  ClientSway.Step();
  MainSway.Step();
  if (OmgImgList && Fade > 0) {
    OmgImgList->DrawImage("BlackRect", 0, 0, 0,
                          {.A = AlphaOf(Fade * 125), .ScaleX = 2, .ScaleY = 2});
    OmgImgList->DrawImage("MovieEffectMask", 0, 0, 0,
                          {.A = AlphaOf(Fade * 255), .ScaleX = 2, .ScaleY = 2});
    const std::uint8_t a = AlphaOf(Fade * 255);
    if (FClient) {
      const TPoint at = TChatPlaces::ClientPicture(FClient);
      OmgImgList->DrawImage(
          "ChatCharacter" + std::to_string(FClient), static_cast<float>(at.X),
          static_cast<float>(at.Y), 0,
          {.A = a, .CenterX = 0.5f, .CenterY = 0.95f, .Angle = SwayAngle(ClientSway)});
    }
    OmgImgList->DrawImage(
        "ChatMainChar", static_cast<float>(TChatPlaces::MainChar.X),
        static_cast<float>(TChatPlaces::MainChar.Y), 0,
        {.A = a, .CenterX = 0.5f, .CenterY = 0.95f, .Angle = SwayAngle(MainSway)});
  }
  if (!FActive) return;
  const int run = Run;

  if (Delaying && TMotion::TimerTick(DelayTimer, FirstDelayTime)) {
    Delaying = false;
    FLine = 1;
    StartBalloon();
    if (run != Run) return;
  }

  TMotion::ApproachFloat(Fade, FadeTarget, kFadeStep);

  for (TBalloon& b : Balloons) {
    TMotion::ApproachInt(b.Alpha, BalloonAlphaStep, b.Target);
    b.Popper.Update();
  }
  DrawBalloon(csOrvell);
  DrawBalloon(csClient);
  for (TNarrationText& t : Texts) {
    t.OmgImgList = OmgImgList;
    t.UpdateAndDraw();
  }

  if (BalloonRunning && TMotion::TimerTick(BalloonTimer, Duration)) {
    BalloonRunning = false;
    if (OnEndOfBalloon) OnEndOfBalloon(*this);
    if (run != Run || FEnding || !FActive) return;
    ++FLine;
    StartBalloon();
    if (run != Run) return;
  }

  if (FEnding && Fade <= 0) {
    FActive = FEnding = false;
    if (OnEndOfConversations) OnEndOfConversations(*this);
  }
}
