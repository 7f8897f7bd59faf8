#pragma once
// Scenario runs of the real game: a script played in the current save folder, its trace read
// into lines, and the saves it leaves read back.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "ScriptRun.h"
#include "platform/TAtomicFile.h"
#include "profiles/TNameList.h"
#include "profiles/TPlayerSave.h"
#include "support/TempDir.h"

struct TLine {
  long Frame;
  std::string Kind, Details;
};

struct TRun {
  std::vector<TLine> Lines;
  std::vector<TLine> Of(const std::string& kind) const {
    std::vector<TLine> out;
    for (const TLine& l : Lines)
      if (l.Kind == kind) out.push_back(l);
    return out;
  }
  // The frame of the first line of that kind whose details begin so; -1 for none.
  long FrameOf(const std::string& kind, const std::string& details) const {
    for (const TLine& l : Lines)
      if (l.Kind == kind && l.Details.rfind(details, 0) == 0) return l.Frame;
    return -1;
  }
  int Count(const std::string& kind, const std::string& details) const {
    int n = 0;
    for (const TLine& l : Lines) n += l.Kind == kind && l.Details.rfind(details, 0) == 0;
    return n;
  }
};

// Runs the game in the current save folder (XDG_DATA_HOME) with a script and the harness's
// options; `each` looks at (and may act in) the game after every frame, and may stop the run
// by returning false.
inline TRun PlayWith(const THarness::TOptions& options, const std::string& scriptText,
                     long frames, const std::function<bool(THarness&)>& each = {}) {
  TRun run;
  for (const std::string& line : RunScript(scriptText, frames, options, each)) {
    std::istringstream in(line);
    TLine l;
    in >> l.Frame >> l.Kind;
    std::getline(in, l.Details);
    if (!l.Details.empty() && l.Details[0] == ' ') l.Details.erase(0, 1);
    run.Lines.push_back(l);
  }
  return run;
}

// The same, straight into a level when one is named.
inline TRun Play(const std::string& scriptText, long frames, int island = 0, int level = 0,
                 const std::function<bool(THarness&)>& each = {},
                 IRenderBackend* backend = nullptr) {
  THarness::TOptions o = QuickRun(island, level);
  o.Backend = backend;
  return PlayWith(o, scriptText, frames, each);
}

// A save folder of its own for the test (XDG_DATA_HOME points there while it lives).
struct SaveFolder {
  TempDir data;
  SaveFolder() { setenv("XDG_DATA_HOME", data.Path.c_str(), 1); }
  std::filesystem::path Folder() const { return data.Path / "Wendmoor - Vessary"; }
  TPlayerSave Save(const std::string& player) const {
    std::string bytes;
    TPlayerSave save;
    EXPECT_TRUE(TAtomicFile::Read((Folder() / (player + ".sav")).string(), bytes));
    EXPECT_TRUE(save.Decode(bytes));
    return save;
  }
  // A player of that name with this save, chosen, as a earlier run would have left them.
  void Write(const std::string& player, const TPlayerSave& save) const {
    std::filesystem::create_directories(Folder());
    TNameList list;
    list.FileName = (Folder() / "Players.dat").string();
    list.CreateEmpty();
    list.Add(player);
    const auto bytes = save.Encode();
    std::string error;
    EXPECT_TRUE(TAtomicFile::Write((Folder() / (player + ".sav")).string(), bytes.data(),
                                   bytes.size(), error))
        << error;
  }
};

