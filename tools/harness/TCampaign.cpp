#include "TCampaign.h"

#include <SDL_keycode.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <sstream>

#include "TBot.h"
#include "THarness.h"
#include "THarnessScript.h"
#include "shell/TFormMain.h"

namespace {
constexpr int kFps = 33;
// Outside a level, a scene (or the hub between two steps of a purchase) that goes on this long
// without anything happening is stuck.
constexpr long kStuckFrames = 60 * kFps;
// A hand's pace between two clicks of the practice, and before retrying a click that did not
// take (a button still sliding in).
constexpr long kPracticeClickFrames = 12, kRetryFrames = 90;
// A level lost this many times in a row is one the bot cannot play.
constexpr int kMaxTries = 10;

TCampaign::TPurse PurseOf(const TElementsCount& c) {
  TCampaign::TPurse p{};
  for (int k = 0; k < 5; ++k) p[k] = c.Amount[k];
  return p;
}

std::string PurseJson(const TCampaign::TPurse& p) {
  char s[160];
  std::snprintf(s, sizeof s, "[%.1f,%.1f,%.1f,%.1f,%.1f]", p[0], p[1], p[2], p[3], p[4]);
  return s;
}

std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += (c == '\n' || c == '\r') ? ' ' : c;
  }
  return out + "\"";
}

// A save folder of its own for the run, and XDG_DATA_HOME as it was afterwards.
class TScratchFolder {
 public:
  TScratchFolder() {
    const char* old = std::getenv("XDG_DATA_HOME");
    Had = old != nullptr;
    if (Had) Previous = old;
    char folder[] = "/tmp/wendmoor-campaign-XXXXXX";
    if (mkdtemp(folder)) {
      Path = folder;
      setenv("XDG_DATA_HOME", folder, 1);
    }
  }
  ~TScratchFolder() {
    std::error_code ec;
    if (!Path.empty()) std::filesystem::remove_all(Path, ec);
    if (Had)
      setenv("XDG_DATA_HOME", Previous.c_str(), 1);
    else
      unsetenv("XDG_DATA_HOME");
  }

 private:
  std::string Path, Previous;
  bool Had = false;
};

class TDriver {
 public:
  TDriver(THarness& harness, const TCampaign::TOptions& options, TCampaign::TResult& result)
      : Harness(harness), Game(harness.Form()), O(options), R(result) {}

  // One frame of the game and what the player does after it; false once the campaign ends.
  bool Step() {
    Harness.Step(None);
    ++R.Frames;
    ReadTrace();
    if (!Harness.Errors().empty()) return Fail(Harness.Errors().front());
    if (Done || !R.Error.empty()) return false;
    if (Game.Closed()) return Fail("the game closed");
    if (Game.Scene() != Scene) {
      Scene = Game.Scene();
      SceneStart = R.Frames;
      NextAction = 0;
      Hovered = false;
      if (Scene == gsStickerBook) EnteredHub();
    }
    Act();
    if (Done || !R.Error.empty()) return false;
    return CheckProgress();
  }

  // What is left of a level when the run stops in it.
  void Finish() {
    if (InLevel && LevelEnded) ReportLevel();
  }

 private:
  long InScene() const { return R.Frames - SceneStart; }
  bool Blocked() const { return Game.SceneTransition && Game.SceneTransition->IsBlocking(); }
  bool Shown(const std::string& widget) {
    TFormMain::TWidgetRect r;
    return Game.FindWidget(widget, r);
  }
  // Through the widget list, as a script clicks: a widget not shown is not clicked.
  bool Click(const std::string& widget, bool click = true) {
    if (Blocked() || !Shown(widget)) return false;
    return Harness.PlayWidgetAction({widget, click});
  }
  void ClickAt(int x, int y) {
    for (TPlatformEventKind kind : {TPlatformEventKind::MouseMove, TPlatformEventKind::MouseDown,
                                    TPlatformEventKind::MouseUp}) {
      TPlatformEvent e;
      e.Kind = kind;
      e.X = x;
      e.Y = y;
      e.Button = TMouseButton::Left;
      Harness.Send(e);
    }
  }
  // Every so often from `after` frames into the scene on.
  bool Due(long after) {
    if (InScene() < after || R.Frames < NextAction || Blocked()) return false;
    NextAction = R.Frames + kRetryFrames;
    return true;
  }
  bool Fail(const std::string& error) {
    if (R.Error.empty()) R.Error = error;
    return false;
  }
  void Report(const std::string& line) {
    if (O.Report) O.Report(line);
  }

  void ReadTrace() {
    const auto& lines = Harness.TraceLines();
    for (; Read < lines.size(); ++Read) {
      std::istringstream in(lines[Read]);
      long frame;
      std::string kind, details;
      in >> frame >> kind;
      std::getline(in, details);
      if (!details.empty() && details[0] == ' ') details.erase(0, 1);
      Traced(kind, details);
    }
  }

  void Traced(const std::string& kind, const std::string& details) {
    std::istringstream in(details);
    if (kind == "level") {
      int island = 0, level = 0;
      in >> island >> level;
      if (InLevel && LevelEnded) ReportLevel();
      if (island > O.Islands) {
        Done = true;
        return;
      }
      InLevel = true;
      LevelEnded = false;
      Level = {};
      Level.Island = island;
      Level.Level = level;
      Bot = std::make_unique<TBot>(Harness, O.Seed + static_cast<std::uint32_t>(R.Levels.size()));
    } else if (kind == "won" || kind == "lost") {
      if (!InLevel) return;
      Level.Won = kind == "won";
      if (Level.Won)
        in >> Level.Medal >> Level.Seconds;
      else
        in >> Level.Seconds;
      Level.Boss = Game.GameObjective == goBossMode;
      if (Bot) {
        Level.Moves = Bot->Moves();
        Level.Tools = Bot->ToolsUsed();
      }
      LevelEnded = true;
      ++Played[Level.Island];
      if (Level.Won) ++Wins[Level.Island];
      Losses = Level.Won ? 0 : Losses + 1;
      if (Losses >= kMaxTries)
        Fail("the level " + std::to_string(Level.Island) + "-" + std::to_string(Level.Level) +
             " was lost " + std::to_string(Losses) + " times in a row");
    } else if (kind == "confirm") {
      in >> Question;
    } else if (kind == "buy") {
      Purchase = {};
      in >> Purchase.Island >> Purchase.Slot;
      Purchase.Dish = Game.BuySlots->Item(Purchase.Island, Purchase.Slot).Name;
      Purchase.IslandLevels = Played[Purchase.Island];
      Purchase.IslandWins = Wins[Purchase.Island];
      Purchase.Levels = static_cast<int>(R.Levels.size());
      Purchase.Before = PurseOf(Game.BuySlots->OwnedElements());
      HubEvent = R.Frames;
    } else if (kind == "practice") {
      HubEvent = R.Frames;
      if (details.rfind("done", 0) == 0) Purchase.After = PurseOf(Game.BuySlots->OwnedElements());
    } else if (kind == "sticker") {
      HubEvent = R.Frames;
      Sticker = true;
    } else if (kind == "chapter") {
      HubEvent = R.Frames;
      if (!Buying) return;
      Buying = false;
      if (!Sticker) {
        Fail("the dish " + std::to_string(Purchase.Island) + " " + std::to_string(Purchase.Slot) +
             " brought no sticker");
        return;
      }
      R.Purchases.push_back(Purchase);
      Report(TCampaign::ToJson(Purchase));
    } else if (kind == "island") {
      std::string what;
      int island = 0;
      in >> what >> island;
      if (what == "complete") R.IslandsCompleted.push_back(island);
    }
  }

  void ReportLevel() {
    R.Levels.push_back(Level);
    Report(TCampaign::ToJson(Level));
    InLevel = LevelEnded = false;
  }

  void EnteredHub() {
    HubEvent = R.Frames;
    if (InLevel && LevelEnded) {
      Level.Purse = PurseOf(Game.BuySlots->OwnedElements());
      ReportLevel();
    }
  }

  bool LevelsDone() const { return O.MaxLevels > 0 && static_cast<int>(R.Levels.size()) >= O.MaxLevels; }

  void Act() {
    switch (Scene) {
      case gsCompanyLogos:
        if (Due(30)) ClickAt(683, 400);
        break;
      case gsSplash:
        if (Game.LoadingBar->LoadingFinished() && Due(20)) ClickAt(683, 400);
        break;
      case gsAddInitialPlayer:
        if (InScene() == 20) {
          TPlatformEvent text;
          text.Kind = TPlatformEventKind::Text;
          text.Text = "wynnet";
          Harness.Send(text);
        } else if (InScene() == 25) {
          for (TPlatformEventKind kind : {TPlatformEventKind::KeyDown, TPlatformEventKind::KeyUp}) {
            TPlatformEvent key;
            key.Kind = kind;
            key.Key = SDLK_RETURN;
            key.KeyName = "Return";
            Harness.Send(key);
          }
        }
        break;
      case gsOpeningStory:
        if (Due(60)) Click(Game.StorySkipButton->ImageName);
        break;
      case gsMenu:
        if (Due(60)) Click("PlayButton");
        break;
      case gsConfirmWindow: Answer(); break;
      case gsMap:
        if (Due(60)) Click("MapPlayButton");
        break;
      case gsObjectiveInfo:
        if (Due(40)) ClickAt(683, 400);
        break;
      case gsMainGame:
        if (Bot) Bot->AfterFrame();
        break;
      case gsTutorial:
      case gsTutorialToolTip:
        // Read, then OK.
        if (Due(60)) Click(Game.TutorialOKButton->ImageName);
        break;
      case gsStageResult:
        if (Due(60)) Click(Game.StageResultOKButton->ImageName);
        break;
      case gsStickerBook: Hub(); break;
      case gsEndingStory:
        // The last island's dishes complete the book, and the story ends the game before the
        // island is announced complete.
        if (Game.BuySlots->IsCurrentIslandComplete() &&
            (R.IslandsCompleted.empty() || R.IslandsCompleted.back() != Game.BuySlots->IslandIdx))
          R.IslandsCompleted.push_back(Game.BuySlots->IslandIdx);
        Done = true;
        break;
      default: break;
    }
  }

  void Answer() {
    if (InScene() < 40 || R.Frames < NextAction || Blocked()) return;
    NextAction = R.Frames + kRetryFrames;
    TGameConfirmWindow& w = *Game.ConfirmWindow;
    switch (Question) {
      case ckRelaxedMode:
        Click(O.Relaxed ? w.PositiveButton().ImageName : w.NegativeButton().ImageName);
        break;
      case ckTryAgain:
      case ckTryFightAgain:
        // What the lost level left in the purse, before it is played again.
        if (InLevel && LevelEnded) {
          Level.Purse = PurseOf(Game.BuySlots->OwnedElements());
          ReportLevel();
        }
        if (LevelsDone()) {
          Done = true;
          return;
        }
        Click(w.PositiveButton().ImageName);
        break;
      default: Fail("an unexpected question (" + std::to_string(Question) + ")"); break;
    }
  }

  void Hub() {
    if (Game.PracticeGame->IsOpen()) {
      Practice();
      return;
    }
    // The hub's tutorial page and its tip, once a conversation has let them through: read,
    // then OK.
    if (Game.ChapterDialog->Active()) ReadingSince = -1;
    if (!Game.ChapterDialog->Active() && (Game.Tutorial->IsOpen() || Game.ToolTip->IsOpen())) {
      if (ReadingSince < 0) ReadingSince = R.Frames;
      if (R.Frames - ReadingSince >= kReadingFrames && Click("TutorialOKButton")) ReadingSince = -1;
      return;
    }
    // From the click to the conversation after the sticker: the cheer, then the book.
    if (Buying) return;
    if (Game.HubShopPanel->State() != TPanelMover::TState::Shown || Blocked() ||
        R.Frames < NextAction)
      return;
    // Every dish the purse covers: the first buy button the hub lets the mouse press.
    if (Shown("BuySlotBuyButton")) {
      if (!Hovered) {
        Hovered = Click("BuySlotBuyButton", false);  // the dish's window comes up first
        NextAction = R.Frames + 20;
        return;
      }
      if (Click("BuySlotBuyButton")) {
        Buying = true;
        Sticker = false;
      }
      Hovered = false;
      NextAction = R.Frames + 20;
      return;
    }
    if (LevelsDone()) {
      Done = true;
      return;
    }
    if (Click("BookPlayButton")) NextAction = R.Frames + kRetryFrames;
  }

  void Practice() {
    if (!Game.PracticeGame->TakesInput() || R.Frames < NextAction) return;
    // The hidden ingredients, then the pot the recipe asks for (listed first), then Done.
    for (const char* widget : {"HiddenElements", "PracticeSlot", "WindowDoneButton"})
      if (Click(widget)) {
        ++Purchase.PracticeClicks;
        NextAction = R.Frames + kPracticeClickFrames;
        return;
      }
  }

  bool CheckProgress() {
    long limit = kStuckFrames, since = SceneStart;
    std::string what = "stuck in " + TGameScene::Name(Scene);
    if (Scene == gsMainGame) {
      limit = (static_cast<long>(Game.TubeTimer->Time) * (O.Relaxed ? 4 : 1) + 60) * kFps;
      what = "the level " + std::to_string(Level.Island) + "-" + std::to_string(Level.Level) +
             " could not be played";
    } else if (Scene == gsStickerBook) {
      since = std::max(since, HubEvent);
      what = Buying ? "the purchase of a dish never ended" : "the hub never let the bot on";
    }
    if (R.Frames - since > limit) return Fail(what + " (frame " + std::to_string(R.Frames) + ")");
    return true;
  }

  THarness& Harness;
  TFormMain& Game;
  const TCampaign::TOptions& O;
  TCampaign::TResult& R;
  THarnessScript None;
  std::size_t Read = 0;
  TGameSceneValues Scene = gsCompanyLogos;
  long SceneStart = 0, NextAction = 0, HubEvent = 0;
  bool Done = false, Hovered = false, Buying = false, Sticker = false;
  long ReadingSince = -1;  // the frame a page or tip of the hub was first seen open
  static constexpr long kReadingFrames = 60;
  int Question = -1, Losses = 0;
  bool InLevel = false, LevelEnded = false;
  TCampaign::TLevel Level;
  TCampaign::TPurchase Purchase;
  std::unique_ptr<TBot> Bot;
  std::map<int, int> Played, Wins;
};
}  // namespace

TCampaign::TResult TCampaign::Run(const TOptions& o) {
  std::unique_ptr<TScratchFolder> scratch;
  if (o.ScratchFolder) scratch = std::make_unique<TScratchFolder>();
  TResult r;
  THarness::TOptions h;
  h.ExeFolder = o.Content;
  h.Seed = o.Seed;
  h.TraceFile = o.TraceFile;
  h.RenderShotsOnly = true;
  {
    THarness harness(h);
    if (!harness.Start(r.Error)) return r;
    TDriver driver(harness, o, r);
    while (driver.Step()) {
    }
    driver.Finish();
    r.Trace = harness.TraceLines();
  }
  return r;
}

std::string TCampaign::ToJson(const TLevel& l) {
  char line[256];
  std::snprintf(line, sizeof line,
                "{\"event\":\"level\",\"island\":%d,\"level\":%d,\"won\":%s,\"medal\":\"%s\","
                "\"boss\":%s,\"seconds\":%d,\"moves\":%d,\"tools\":%d,\"purse\":",
                l.Island, l.Level, l.Won ? "true" : "false", l.Medal.c_str(),
                l.Boss ? "true" : "false", l.Seconds, l.Moves, l.Tools);
  return line + PurseJson(l.Purse) + "}";
}

std::string TCampaign::ToJson(const TPurchase& p) {
  char line[256];
  std::snprintf(line, sizeof line,
                "{\"event\":\"buy\",\"island\":%d,\"slot\":%d,\"dish\":%s,\"island_levels\":%d,"
                "\"island_wins\":%d,\"levels\":%d,\"practice_clicks\":%d,\"before\":",
                p.Island, p.Slot, Quoted(p.Dish).c_str(), p.IslandLevels, p.IslandWins,
                p.Levels, p.PracticeClicks);
  return line + PurseJson(p.Before) + ",\"after\":" + PurseJson(p.After) + "}";
}

std::string TCampaign::SummaryJson(const TResult& r) {
  std::map<int, std::pair<int, int>> levels;  // island: played, won
  for (const TLevel& l : r.Levels) {
    ++levels[l.Island].first;
    levels[l.Island].second += l.Won;
  }
  int won = 0;
  for (const TLevel& l : r.Levels) won += l.Won;
  std::string s = "{\"event\":\"summary\",\"levels\":" + std::to_string(r.Levels.size()) +
                  ",\"won\":" + std::to_string(won) + ",\"frames\":" + std::to_string(r.Frames) +
                  ",\"islands\":[";
  bool first = true;
  for (const auto& [island, counts] : levels) {
    if (!first) s += ",";
    first = false;
    bool complete = false;
    for (int i : r.IslandsCompleted) complete |= i == island;
    s += "{\"island\":" + std::to_string(island) + ",\"levels\":" + std::to_string(counts.first) +
         ",\"won\":" + std::to_string(counts.second) +
         ",\"complete\":" + (complete ? "true" : "false") + ",\"dishes_after_wins\":[";
    bool firstDish = true;
    for (const TPurchase& p : r.Purchases) {
      if (p.Island != island) continue;
      if (!firstDish) s += ",";
      firstDish = false;
      s += std::to_string(p.IslandWins);
    }
    s += "]}";
  }
  s += "]";
  if (!r.Error.empty()) s += ",\"error\":" + Quoted(r.Error);
  return s + "}";
}
