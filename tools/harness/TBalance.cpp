#include "TBalance.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <vector>

namespace {
constexpr int kLevelsPerIsland[5] = {12, 13, 15, 16, 18};

struct TChild {
  pid_t Pid;
  int Pipe;
  int Island, Level;
  std::uint32_t Seed;
};

// Plays one game in a child process; its result comes back as the bot's line.
bool Spawn(const TBalance::TOptions& o, int island, int level, std::uint32_t seed, TChild& child) {
  int fds[2];
  if (pipe(fds) != 0) return false;
  std::fflush(nullptr);
  pid_t pid = fork();
  if (pid < 0) {
    close(fds[0]);
    close(fds[1]);
    return false;
  }
  if (pid == 0) {
    close(fds[0]);
    TBot::TOptions b;
    b.Content = o.Content;
    b.Island = island;
    b.Level = level;
    b.Seed = seed;
    std::string line = TBot::ToJson(TBot::Play(b)) + "\n";
    ssize_t written = write(fds[1], line.data(), line.size());
    _exit(written == static_cast<ssize_t>(line.size()) ? 0 : 1);
  }
  close(fds[1]);
  child = {pid, fds[0], island, level, seed};
  return true;
}

TBot::TResult Collect(const TChild& c, int status) {
  std::string text;
  char buffer[1024];
  ssize_t n;
  while ((n = read(c.Pipe, buffer, sizeof buffer)) > 0) text.append(buffer, static_cast<std::size_t>(n));
  close(c.Pipe);
  TBot::TResult r;
  if (TBot::FromJson(text.substr(0, text.find('\n')), r)) return r;
  r.Island = c.Island;
  r.Level = c.Level;
  r.Seed = c.Seed;
  r.Result = "crash";
  r.Error = WIFSIGNALED(status) ? "signal " + std::to_string(WTERMSIG(status))
                                : "exit " + std::to_string(WEXITSTATUS(status));
  return r;
}

std::string Fixed(double v, int digits) {
  char s[32];
  std::snprintf(s, sizeof s, "%.*f", digits, v);
  return s;
}

std::string LevelName(int island, int level) {
  char s[16];
  std::snprintf(s, sizeof s, "%d-%02d", island, level);
  return s;
}

std::string Percent(int part, int whole) {
  return whole > 0 ? std::to_string((100 * part + whole / 2) / whole) + " %" : "-";
}
}  // namespace

std::vector<std::pair<int, int>> TBalance::AllLevels() {
  std::vector<std::pair<int, int>> levels;
  for (int i = 1; i <= 5; ++i)
    for (int l = 1; l <= kLevelsPerIsland[i - 1]; ++l) levels.push_back({i, l});
  return levels;
}

std::vector<TBalance::TRow> TBalance::Summarise(const std::vector<TBot::TResult>& games) {
  std::map<std::pair<int, int>, TRow> rows;
  for (const TBot::TResult& g : games) {
    TRow& r = rows[{g.Island, g.Level}];
    r.Island = g.Island;
    r.Level = g.Level;
    r.Boss = r.Boss || g.Boss;
    ++r.Games;
    r.MeanDrains += g.Drains;
    if (g.Boss && g.Result == "lost") r.MeanEnergyLeft += g.BossEnergy;
    r.TimeLimit = std::max(r.TimeLimit, g.TimeLimit);
    r.Crashed += g.Result == "crash";
    r.MeanMoves += g.Moves;
    r.MeanTools += g.Tools;
    r.MeanShuffles += g.Shuffles;
    if (g.Result != "won") continue;
    ++r.Won;
    r.Gold += g.Medal == "gold";
    r.Silver += g.Medal == "silver";
    r.Bronze += g.Medal == "bronze";
    r.MeanSeconds += g.Seconds;
    r.MaxSeconds = std::max(r.MaxSeconds, g.Seconds);
  }
  std::vector<TRow> out;
  for (auto& [key, r] : rows) {
    if (r.Won > 0) r.MeanSeconds /= r.Won;
    const int lost = r.Games - r.Won - r.Crashed;
    if (lost > 0) r.MeanEnergyLeft /= lost;
    if (r.Games > 0) {
      r.MeanMoves /= r.Games;
      r.MeanTools /= r.Games;
      r.MeanShuffles /= r.Games;
      r.MeanDrains /= r.Games;
    }
    std::vector<std::string> notes;
    if (r.Crashed > 0)
      notes.push_back("crashed in " + std::to_string(r.Crashed) + " game(s)");
    else if (2 * r.Won <= r.Games)
      notes.push_back("not won in most games");
    if (r.Boss) {
      notes.push_back("boss: " + Fixed(r.MeanDrains, 1) + " absorptions a game");
      if (lost > 0) notes.push_back("energy left when lost " + Fixed(r.MeanEnergyLeft, 0));
    }
    for (const std::string& n : notes) r.Note += (r.Note.empty() ? "" : "; ") + n;
    out.push_back(r);
  }
  return out;
}

std::string TBalance::Markdown(const std::vector<TRow>& rows, const std::string& preamble) {
  std::string md = "# Balance: the bot over every level\n\n" + preamble + "\n\n";
  // Islands first, then every level.
  md += "| Island | Gathering levels | Games | Won | Win rate | Gold | Silver | Bronze |\n"
        "|---|---|---|---|---|---|---|---|\n";
  for (int island = 1; island <= 5; ++island) {
    int levels = 0, games = 0, won = 0, gold = 0, silver = 0, bronze = 0;
    for (const TRow& r : rows) {
      if (r.Island != island || r.Boss) continue;
      ++levels;
      games += r.Games;
      won += r.Won;
      gold += r.Gold;
      silver += r.Silver;
      bronze += r.Bronze;
    }
    if (levels == 0) continue;
    md += "| " + std::to_string(island) + " | " + std::to_string(levels) + " | " +
          std::to_string(games) + " | " + std::to_string(won) + " | " + Percent(won, games) +
          " | " + std::to_string(gold) + " | " + std::to_string(silver) + " | " +
          std::to_string(bronze) + " |\n";
  }
  md += "\n| Level | Games | Won | Win rate | Gold | Silver | Bronze | Mean s (won) | Max s | "
        "Limit s | Time used | Moves | Tools | Shuffles | Note |\n"
        "|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|\n";
  for (const TRow& r : rows) {
    md += "| " + LevelName(r.Island, r.Level) + " | " + std::to_string(r.Games) + " | ";
    bool any = r.Won > 0;
    md += std::to_string(r.Won) + " | " + Percent(r.Won, r.Games) + " | " +
          std::to_string(r.Gold) + " | " + std::to_string(r.Silver) + " | " +
          std::to_string(r.Bronze) + " | " + (any ? Fixed(r.MeanSeconds, 1) : "-") + " | " +
          (any ? std::to_string(r.MaxSeconds) : "-") + " | " + std::to_string(r.TimeLimit) +
          " | " +
          (any && r.TimeLimit > 0 ? Fixed(100 * r.MeanSeconds / r.TimeLimit, 0) + " %" : "-") +
          " | " + Fixed(r.MeanMoves, 1) + " | " + Fixed(r.MeanTools, 1) + " | " +
          Fixed(r.MeanShuffles, 1) + " | " + r.Note + " |\n";
  }
  return md;
}

std::string TBalance::Csv(const std::vector<TRow>& rows) {
  std::string csv =
      "level,kind,games,won,win_rate,gold,silver,bronze,mean_seconds_won,max_seconds,"
      "time_limit,time_used,mean_moves,mean_tools,mean_shuffles,note\n";
  for (const TRow& r : rows) {
    bool any = r.Won > 0;
    csv += LevelName(r.Island, r.Level) + "," + (r.Boss ? "boss" : "gather") + "," +
           std::to_string(r.Games) + "," + std::to_string(r.Won) + "," +
           (r.Games > 0 ? Fixed(static_cast<double>(r.Won) / r.Games, 2) : "") + "," +
           std::to_string(r.Gold) + "," + std::to_string(r.Silver) + "," +
           std::to_string(r.Bronze) + "," + (any ? Fixed(r.MeanSeconds, 1) : "") + "," +
           (any ? std::to_string(r.MaxSeconds) : "") + "," + std::to_string(r.TimeLimit) + "," +
           (any && r.TimeLimit > 0 ? Fixed(r.MeanSeconds / r.TimeLimit, 2) : "") + "," +
           Fixed(r.MeanMoves, 1) + "," + Fixed(r.MeanTools, 1) + "," +
           Fixed(r.MeanShuffles, 1) + "," + r.Note + "\n";
  }
  return csv;
}

int TBalance::Run(const TOptions& o) {
  auto started = std::chrono::steady_clock::now();
  std::vector<std::pair<int, int>> levels = o.Levels.empty() ? AllLevels() : o.Levels;
  struct TGame {
    int Island, Level;
    std::uint32_t Seed;
  };
  std::vector<TGame> queue;
  for (auto [island, level] : levels)
    for (int g = 0; g < o.Games; ++g)
      queue.push_back({island, level, o.Seed + static_cast<std::uint32_t>(g)});

  std::vector<TBot::TResult> results;
  std::vector<TChild> running;
  std::size_t next = 0;
  while (next < queue.size() || !running.empty()) {
    while (next < queue.size() && static_cast<int>(running.size()) < std::max(1, o.Jobs)) {
      TGame g = queue[next++];
      TChild c;
      if (!Spawn(o, g.Island, g.Level, g.Seed, c)) {
        std::fprintf(stderr, "balance: cannot start a game\n");
        return 1;
      }
      running.push_back(c);
    }
    if (running.empty()) continue;
    int status = 0;
    pid_t done = waitpid(-1, &status, 0);
    if (done < 0) break;
    for (std::size_t i = 0; i < running.size(); ++i) {
      if (running[i].Pid != done) continue;
      TBot::TResult r = Collect(running[i], status);
      std::printf("%s\n", TBot::ToJson(r).c_str());
      std::fflush(stdout);
      results.push_back(r);
      running.erase(running.begin() + static_cast<long>(i));
      break;
    }
  }

  const double minutes =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count() / 60;
  std::string preamble =
      std::to_string(o.Games) + " games a level on seeds " + std::to_string(o.Seed) + " to " +
      std::to_string(o.Seed + static_cast<std::uint32_t>(o.Games) - 1) +
      ", played by `wendmoor-harness bot` through the mouse on the virtual clock (" +
      Fixed(minutes, 1) + " minutes with " + std::to_string(o.Jobs) +
      " games at once). Times are the tube's seconds of the games won; \"Time used\" is their "
      "mean against the limit; medals follow each level's own gold and silver times. Moves, "
      "tools and shuffles count every game; the game shuffles a board that has had no move "
      "for 20 s. In boss fights the bot aims what it clears at the creature; their note counts "
      "the creature's absorptions (each drains the tube) and its energy left in the games lost.";
  std::vector<TRow> rows = Summarise(results);
  std::error_code ec;
  std::filesystem::create_directories(o.OutFolder, ec);
  std::ofstream md(o.OutFolder + "/balance.md"), csv(o.OutFolder + "/balance.csv");
  md << Markdown(rows, preamble);
  csv << Csv(rows);
  if (!md || !csv) {
    std::fprintf(stderr, "balance: cannot write the report into %s\n", o.OutFolder.c_str());
    return 1;
  }
  std::printf("balance: %zu games, report in %s/balance.md and balance.csv\n", results.size(),
              o.OutFolder.c_str());
  return 0;
}
