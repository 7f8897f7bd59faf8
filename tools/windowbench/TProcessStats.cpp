#include "TProcessStats.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {
std::string ReadFile(const std::string& path) {
  std::ifstream in(path);
  if (!in) return {};
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
}  // namespace

long TProcessStats::CpuTicksFromStat(const std::string& stat) {
  const std::size_t close = stat.rfind(')');
  if (close == std::string::npos) return -1;
  // After the name: state (field 3) … utime (14), stime (15).
  std::istringstream in(stat.substr(close + 1));
  std::string field;
  long utime = -1, stime = -1;
  for (int n = 3; n <= 15 && in >> field; ++n) {
    if (n == 14) utime = std::atol(field.c_str());
    if (n == 15) stime = std::atol(field.c_str());
  }
  if (utime < 0 || stime < 0) return -1;
  return utime + stime;
}

long TProcessStats::PeakResidentKibFromStatus(const std::string& status) {
  std::istringstream in(status);
  std::string line;
  while (std::getline(in, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
  return -1;
}

long TProcessStats::CpuTicks(int pid) {
  return CpuTicksFromStat(ReadFile("/proc/" + std::to_string(pid) + "/stat"));
}

long TProcessStats::PeakResidentKib(int pid) {
  return PeakResidentKibFromStatus(ReadFile("/proc/" + std::to_string(pid) + "/status"));
}

long TProcessStats::TicksPerSecond() { return sysconf(_SC_CLK_TCK); }

long long TProcessStats::RunDelayNsFromSchedstat(const std::string& schedstat) {
  std::istringstream in(schedstat);
  long long running = -1, waiting = -1;
  if (!(in >> running >> waiting) || waiting < 0) return -1;
  return waiting;
}

long long TProcessStats::RunDelayNs(int pid) {
  std::error_code ec;
  const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
  long long total = 0;
  bool any = false;
  for (const auto& task : std::filesystem::directory_iterator(tasks, ec)) {
    long long delay = RunDelayNsFromSchedstat(ReadFile((task.path() / "schedstat").string()));
    if (delay < 0) continue;
    total += delay;
    any = true;
  }
  return any ? total : -1;
}
