#include "core/transfer/owner_only_file.h"

#include <cerrno>
#include <cstdio>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vdbq {

#ifndef _WIN32

namespace {

int WriteAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    done += static_cast<std::size_t>(written);
  }
  return 0;
}

}  // namespace

int WriteOwnerOnlyFile(const std::string& path, const std::string& bytes, bool executable) {
  ::unlink(path.c_str());
  // O_EXCL: never write through a file or link that appeared after the unlink.
  const mode_t mode = executable ? S_IRWXU : (S_IRUSR | S_IWUSR);
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
  if (fd < 0) return errno;
  int error = WriteAll(fd, bytes);
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error != 0) ::unlink(path.c_str());
  return error;
}

#else

// The program directory's access list decides who may read the file here.
int WriteOwnerOnlyFile(const std::string& path, const std::string& bytes, bool /*executable*/) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return errno != 0 ? errno : EIO;
  int error = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
    error = errno != 0 ? errno : EIO;
  }
  if (std::fclose(file) != 0 && error == 0) error = errno != 0 ? errno : EIO;
  if (error != 0) std::remove(path.c_str());
  return error;
}

#endif

}  // namespace vdbq
