#pragma once

// What the operating system reports about itself, in the terms of the version rule.
struct TOsVersionInfo {
  bool NtFamily = false;
  int Major = 0;
  int Minor = 0;
  bool Workstation = true;
};

class TOsVersion {
 public:
  // Version 6.2 or 6.3 on a workstation, or anything above 6.3.
  static bool IsWindows8OrLater(const TOsVersionInfo& info);
  // This system: not of that family, so always false here.
  static TOsVersionInfo Current() { return TOsVersionInfo{}; }
};
