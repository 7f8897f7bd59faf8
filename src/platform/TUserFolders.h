#pragma once
#include <functional>
#include <optional>
#include <string>

// Per-user folders of the freedesktop layout.
class TUserFolders {
 public:
  using TEnvReader = std::function<const char*(const char*)>;
  // $XDG_DATA_HOME, else $HOME/.local/share; none when neither can be had.
  // The result has no trailing slash.
  static std::optional<std::string> DataHome(const TEnvReader& env);
  static std::optional<std::string> DataHome();
};
