#include "TProcessStats.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <vector>

TEST(ProcessStats, ReadsCpuTicksPastAnyCommandName) {
  EXPECT_EQ(TProcessStats::CpuTicksFromStat(
                "4242 (wendmoor) S 1 4242 4242 0 -1 4194560 9051 0 0 0 731 59 0 0 20 0 9 0 "
                "3577 745000000 52000 18446744073709551615 1 1 0 0 0 0 0 4096 0 0 0 0 17 1 0 0"),
            790);
  // A name may hold spaces and parentheses; only the last ')' ends it.
  EXPECT_EQ(TProcessStats::CpuTicksFromStat(
                "7 (a) b (c)) R 1 7 7 0 -1 0 0 0 0 0 12 3 0 0 20 0 1 0 100 0 0"),
            15);
  EXPECT_EQ(TProcessStats::CpuTicksFromStat(""), -1);
  EXPECT_EQ(TProcessStats::CpuTicksFromStat("7 (cut short) R 1 7"), -1);
}

TEST(ProcessStats, ReadsPeakResidentMemory) {
  EXPECT_EQ(TProcessStats::PeakResidentKibFromStatus(
                "Name:\twendmoor\nVmPeak:\t  900000 kB\nVmHWM:\t  221984 kB\nVmRSS:\t  200000 kB\n"),
            221984);
  EXPECT_EQ(TProcessStats::PeakResidentKibFromStatus("Name:\tzombie\nState:\tZ (zombie)\n"), -1);
}

TEST(ProcessStats, ReadsTheLiveProcess) {
  const int self = static_cast<int>(getpid());
  const long before = TProcessStats::CpuTicks(self);
  ASSERT_GE(before, 0);
  // Work until the clock's ticks show it, and hold memory the peak must count.
  std::vector<char> held(32 << 20, 1);
  volatile double sink = 0;
  for (long i = 0; TProcessStats::CpuTicks(self) < before + 2 && i < 2000000000L; ++i) sink = sink + i;
  EXPECT_GE(TProcessStats::CpuTicks(self), before + 2);
  EXPECT_GE(TProcessStats::PeakResidentKib(self), 32 * 1024);
  EXPECT_GT(TProcessStats::TicksPerSecond(), 0);
  // Pid 0 has no /proc entry.
  EXPECT_EQ(TProcessStats::CpuTicks(0), -1);
}

TEST(ProcessStats, ReadsTheTimeSpentWaitingForAProcessor) {
  EXPECT_EQ(TProcessStats::RunDelayNsFromSchedstat("242705773 486191019 81\n"), 486191019LL);
  EXPECT_EQ(TProcessStats::RunDelayNsFromSchedstat("242705773"), -1);
  EXPECT_EQ(TProcessStats::RunDelayNsFromSchedstat(""), -1);
  EXPECT_GE(TProcessStats::RunDelayNs(static_cast<int>(getpid())), 0);
  EXPECT_EQ(TProcessStats::RunDelayNs(0), -1);
}
