#pragma once
#include <string>

// What /proc tells of a process: the CPU time it has used and its peak resident memory.
class TProcessStats {
 public:
  // utime + stime in clock ticks from the text of /proc/<pid>/stat; -1 when unreadable.
  // The command name in parentheses may hold spaces and parentheses itself.
  static long CpuTicksFromStat(const std::string& stat);
  // VmHWM in KiB from the text of /proc/<pid>/status; -1 when absent.
  static long PeakResidentKibFromStatus(const std::string& status);

  // The time spent ready to run but waiting for a processor, in ns, from the text of a
  // /proc/<pid>/task/<tid>/schedstat; -1 when unreadable.
  static long long RunDelayNsFromSchedstat(const std::string& schedstat);

  // The same read from the live process; -1 when it is gone. The run delay is summed over
  // the threads alive at the moment.
  static long CpuTicks(int pid);
  static long PeakResidentKib(int pid);
  static long long RunDelayNs(int pid);
  static long TicksPerSecond();
};
