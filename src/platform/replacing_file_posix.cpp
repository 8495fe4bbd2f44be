#include "platform/replacing_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "platform/catalogue.h"
#include "platform/end_signals.h"
#include "platform/file_system.h"

namespace {

std::string folder_of(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string failure(Msg message, const std::string& path, int err) {
  return format_text(tr(message), path.c_str(), std::strerror(err));
}

// The signals that end the program held back (blocked) for a step a cleanup must see whole;
// errno stays as the step left it.
struct EndingSignalsBlocked {
  sigset_t before;
  EndingSignalsBlocked() {
    sigset_t ending;
    sigemptyset(&ending);
    for (int sig : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) sigaddset(&ending, sig);
    sigprocmask(SIG_BLOCK, &ending, &before);
  }
  ~EndingSignalsBlocked() {
    const int saved = errno;
    sigprocmask(SIG_SETMASK, &before, nullptr);
    errno = saved;
  }
};

// The temporary files being written, removed by a signal that ends the program: fixed
// slots, since the handler may not allocate. A slot is marked used only once its name is
// complete, and free before its name changes.
constexpr int kTempSlots = 8;
char temp_names[kTempSlots][PATH_MAX];
volatile sig_atomic_t temp_used[kTempSlots];

void remove_temps_on_signal() {
  for (int i = 0; i < kTempSlots; ++i) {
    if (temp_used[i]) unlink(temp_names[i]);
  }
}

// A slot for the name, or -1 when none is free or the name is too long (it is then left to
// the normal paths alone).
int hold_temp(const std::string& temp) {
  end_signals_add_cleanup(remove_temps_on_signal);
  if (temp.size() >= PATH_MAX) return -1;
  for (int i = 0; i < kTempSlots; ++i) {
    if (temp_used[i]) continue;
    std::memcpy(temp_names[i], temp.c_str(), temp.size() + 1);
    temp_used[i] = 1;
    return i;
  }
  return -1;
}

void release_temp(int* slot) {
  if (*slot >= 0) temp_used[*slot] = 0;
  *slot = -1;
}

}  // namespace

std::string ReplacingFile::create(const std::string& target_name) {
  discard();
  if (target_name.empty()) return tr(Msg::file_no_name);
  std::string target = target_name;
  struct stat existing;
  const bool exists = stat(target.c_str(), &existing) == 0;
  if (exists && S_ISDIR(existing.st_mode)) {
    return failure(Msg::file_cannot_write, target, EISDIR);
  }
  if (exists && !S_ISREG(existing.st_mode)) {
    // Nothing to replace: the device or pipe takes the bytes as they come.
    const int fd = open(target.c_str(), O_WRONLY | O_CLOEXEC);
    file_ = fd < 0 ? nullptr : fdopen(fd, "wb");
    if (!file_) {
      const int err = errno;
      if (fd >= 0) close(fd);
      return failure(Msg::file_cannot_write, target, err);
    }
    target_ = target;
    return {};
  }
  if (exists) {  // through symbolic links to the file itself
    char resolved[PATH_MAX];
    if (realpath(target.c_str(), resolved)) target = resolved;
    // A write-protected file stays as it is, as a redirection of the shell leaves it.
    if (const int err = write_refusal(target)) {
      return failure(Msg::file_cannot_write, target, err);
    }
  } else {
    target = written_name(target);  // a link to a missing file: the file is made at its end
  }
  // A name of our own beside the target: the process id and a counter keep two writers (in
  // one process or in two) apart; O_EXCL never opens someone else's file. The mode 0666
  // lets the umask decide the permissions of a new file; a replaced one keeps its own.
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string temp =
        target + ".tmp" + std::to_string(getpid()) + "-" + std::to_string(counter.fetch_add(1));
    int fd;
    {
      const EndingSignalsBlocked blocked;  // none finds the file made but not held
      fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd >= 0) temp_slot_ = hold_temp(temp);
    }
    if (fd < 0) {
      if (errno == EEXIST) continue;
      return failure(Msg::file_cannot_create_in, folder_of(target), errno);
    }
    if (exists) fchmod(fd, existing.st_mode & 07777);
    file_ = fdopen(fd, "wb");
    if (!file_) {
      const int err = errno;
      close(fd);
      unlink(temp.c_str());
      release_temp(&temp_slot_);
      return failure(Msg::file_cannot_write, temp, err);
    }
    target_ = target;
    temp_ = std::move(temp);
    return {};
  }
  return format_text(tr(Msg::file_no_temp_name), target.c_str());
}

std::string ReplacingFile::commit() {
  if (!file_) return tr(Msg::file_not_open);
  int err = 0;
  errno = 0;  // a stream error seen by an earlier write leaves no errno of its own here
  if (std::fflush(file_) != 0 || std::ferror(file_)) err = errno ? errno : EIO;
  if (!err && !temp_.empty() && fsync(fileno(file_)) != 0) err = errno;
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  if (!err && !closed) err = errno;
  if (err) {
    const std::string message = failure(Msg::write_failed, target_, err);
    discard();
    return message;
  }
  if (temp_.empty()) {  // written directly
    target_.clear();
    return {};
  }
  int renamed;
  {
    const EndingSignalsBlocked blocked;  // once renamed, the name may be someone else's
    renamed = std::rename(temp_.c_str(), target_.c_str());
    release_temp(&temp_slot_);
  }
  if (renamed != 0) {
    const std::string message = failure(Msg::file_cannot_replace, target_, errno);
    discard();
    return message;
  }
  temp_.clear();
  target_.clear();
  return {};
}

void ReplacingFile::discard() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
  if (!temp_.empty()) unlink(temp_.c_str());
  release_temp(&temp_slot_);
  temp_.clear();
  target_.clear();
}
