#include "platform/TAtomicFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/TFileSystem.h"

std::function<bool(const std::string&)> TAtomicFile::BeforeRename;

bool TAtomicFile::Write(const std::string& path, const void* data, std::size_t size,
                        std::string& error) {
  std::string temp = path + ".tmp";
  int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    error = "cannot create \"" + temp + "\": " + std::strerror(errno);
    return false;
  }
  const char* p = static_cast<const char*>(data);
  std::size_t left = size;
  while (left > 0) {
    ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      error = "cannot write \"" + temp + "\": " + std::strerror(errno);
      ::close(fd);
      ::unlink(temp.c_str());
      return false;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  if (::fsync(fd) != 0 || ::close(fd) != 0) {
    error = "cannot write \"" + temp + "\": " + std::strerror(errno);
    ::unlink(temp.c_str());
    return false;
  }
  if (BeforeRename && !BeforeRename(temp)) {
    error = "stopped before replacing \"" + path + "\"";
    return false;
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    error = "cannot replace \"" + path + "\": " + std::strerror(errno);
    ::unlink(temp.c_str());
    return false;
  }
  return true;
}

bool TAtomicFile::Read(const std::string& path, std::string& bytes) {
  return TFileSystem::ReadFile(path, bytes);
}
