#include "platform/TFileSystem.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iterator>

bool TFileSystem::DirectoryExists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool TFileSystem::FileExists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool TFileSystem::CreateDirectory(const std::string& path) {
  if (::mkdir(path.c_str(), 0755) == 0) return true;
  return DirectoryExists(path);
}

std::vector<std::string> TFileSystem::ListFiles(const std::string& folder,
                                                const std::string& suffix) {
  std::vector<std::string> names;
  DIR* d = ::opendir(folder.c_str());
  if (!d) return names;
  auto lower = [](std::string s) {
    for (char& c : s)
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
  };
  std::string want = lower(suffix);
  while (dirent* e = ::readdir(d)) {
    std::string name = e->d_name;
    if (name.size() < want.size() || lower(name.substr(name.size() - want.size())) != want)
      continue;
    std::string full = folder + (folder.empty() || folder.back() == '/' ? "" : "/") + name;
    if (FileExists(full)) names.push_back(name);
  }
  ::closedir(d);
  std::sort(names.begin(), names.end());
  return names;
}

std::string TFileSystem::ExecutableFolder() {
  char buf[4096];
  ssize_t n = ::readlink("/proc/self/exe", buf, sizeof(buf) - 1);
  if (n <= 0) return "./";
  std::string path(buf, static_cast<std::size_t>(n));
  auto slash = path.rfind('/');
  return slash == std::string::npos ? "./" : path.substr(0, slash + 1);
}

bool TFileSystem::ChangeDirectory(const std::string& path) { return ::chdir(path.c_str()) == 0; }

bool TFileSystem::ReadFile(const std::string& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}
