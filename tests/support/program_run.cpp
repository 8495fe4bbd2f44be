#include "support/program_run.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>

bool ProgramRun::exited() const {
  return !timed_out && WIFEXITED(status);
}

int ProgramRun::exit_code() const {
  return exited() ? WEXITSTATUS(status) : -1;
}

std::string agvsim_path() {
  return AGV_TEST_BINARY_DIR "/src/agvsim";
}

ProgramRun run_program(const std::string& program, const std::string& input,
                       const std::string& workdir, double time_limit,
                       const std::vector<std::string>& environment,
                       const std::vector<std::string>& arguments) {
  using Clock = std::chrono::steady_clock;
  ProgramRun run;
  int in[2], out[2], err[2];
  if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0) return run;
  signal(SIGPIPE, SIG_IGN);  // the child may end before it has read the whole script
  const auto start = Clock::now();
  const pid_t pid = fork();
  if (pid < 0) return run;
  if (pid == 0) {
    dup2(in[0], STDIN_FILENO);
    dup2(out[1], STDOUT_FILENO);
    dup2(err[1], STDERR_FILENO);
    for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) close(fd);
    signal(SIGPIPE, SIG_DFL);
    if (chdir(workdir.c_str()) != 0) _exit(126);
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    setenv("LC_ALL", "C.UTF-8", 1);
    for (const std::string& e : environment) putenv(const_cast<char*>(e.c_str()));
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  close(in[0]);
  close(out[1]);
  close(err[1]);
  fcntl(in[1], F_SETFL, O_NONBLOCK);

  size_t written = 0;
  int to_child = in[1];
  if (input.empty()) {
    close(to_child);
    to_child = -1;
  }
  bool out_open = true, err_open = true, ended = false;
  const auto deadline = start + std::chrono::duration<double>(time_limit);
  while (out_open || err_open || !ended) {
    if (!ended && waitpid(pid, &run.status, WNOHANG) == pid) {
      ended = true;
      run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    }
    if (Clock::now() > deadline) {
      run.timed_out = true;
      break;
    }
    pollfd fds[3] = {{out_open ? out[0] : -1, POLLIN, 0},
                     {err_open ? err[0] : -1, POLLIN, 0},
                     {to_child, POLLOUT, 0}};
    poll(fds, 3, 5);
    char buffer[4096];
    if (fds[0].revents) {
      const ssize_t n = read(out[0], buffer, sizeof buffer);
      if (n > 0)
        run.out.append(buffer, n);
      else
        out_open = false;
    }
    if (fds[1].revents) {
      const ssize_t n = read(err[0], buffer, sizeof buffer);
      if (n > 0)
        run.err.append(buffer, n);
      else
        err_open = false;
    }
    if (to_child >= 0 && fds[2].revents) {
      const ssize_t n = (fds[2].revents & POLLOUT)
                            ? write(to_child, input.data() + written, input.size() - written)
                            : -1;
      if (n > 0) written += n;
      if (n <= 0 || written == input.size()) {
        close(to_child);
        to_child = -1;
      }
    }
  }
  if (run.timed_out && !ended) {
    kill(pid, SIGKILL);
    waitpid(pid, &run.status, 0);
  }
  for (int fd : {to_child, out[0], err[0]}) {
    if (fd >= 0) close(fd);
  }
  return run;
}

ProgramRun run_agvsim(const std::string& input) {
  TempDir dir;
  return run_program(agvsim_path(), input, dir.path(), 20, {}, no_window);
}
