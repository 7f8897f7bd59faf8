#include "platform/TOsVersion.h"

bool TOsVersion::IsWindows8OrLater(const TOsVersionInfo& info) {
  if (!info.NtFamily) return false;
  if (info.Major > 6 || (info.Major == 6 && info.Minor > 3)) return true;
  return info.Major == 6 && (info.Minor == 2 || info.Minor == 3) && info.Workstation;
}
