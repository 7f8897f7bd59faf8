#include "platform/TUserFolders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace {
std::string WithoutTrailingSlash(std::string s) {
  while (s.size() > 1 && s.back() == '/') s.pop_back();
  return s;
}
}  // namespace

std::optional<std::string> TUserFolders::DataHome(const TEnvReader& env) {
  const char* xdg = env("XDG_DATA_HOME");
  // Relative paths are invalid for XDG variables and are ignored.
  if (xdg && xdg[0] == '/') return WithoutTrailingSlash(xdg);
  const char* home = env("HOME");
  if (home && home[0] == '/') return WithoutTrailingSlash(std::string(home) + "/.local/share");
  return std::nullopt;
}

std::optional<std::string> TUserFolders::DataHome() {
  auto result = DataHome([](const char* name) { return std::getenv(name); });
  if (result) return result;
  if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir && pw->pw_dir[0] == '/')
    return WithoutTrailingSlash(std::string(pw->pw_dir) + "/.local/share");
  return std::nullopt;
}
