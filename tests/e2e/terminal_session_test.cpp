// The real program on a pseudo-terminal: keys typed without Enter, and the terminal mode
// after the program has ended, normally or by Ctrl-C.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <string>

#include "support/console_texts.h"
#include "support/program_run.h"
#include "support/pseudo_terminal.h"

namespace {

class TerminalSession : public PtyChild {
 public:
  // Starts the program in a directory of its own with the slave side as its terminal.
  bool start() {
    const std::string program = agvsim_path();
    const std::string dir = dir_.path();
    return PtyChild::start([program, dir] {
      if (chdir(dir.c_str()) != 0) _exit(126);
      unsetenv("DISPLAY");
      unsetenv("WAYLAND_DISPLAY");
      setenv("LC_ALL", "C.UTF-8", 1);
      execl(program.c_str(), program.c_str(), "--no-window", static_cast<char*>(nullptr));
      _exit(127);
    });
  }

  // Types one key, without Enter, once the program waits for it after printing prompt.
  void type_after(const std::string& prompt, char key) {
    ASSERT_TRUE(wait_for_output(prompt)) << output();
    ASSERT_TRUE(wait_for_mode(true));
    send(std::string(1, key));
  }

 private:
  TempDir dir_;
};

const std::string error_key_prompt = "Error Number=";
const std::string yes_no_prompt = "no:n  ";

TEST(TerminalSession, KeysWithoutEnterAndTheModeRestored) {
  TerminalSession session;
  ASSERT_TRUE(session.start());
  ASSERT_NO_FATAL_FAILURE(session.type_after(error_key_prompt, '0'));
  ASSERT_NO_FATAL_FAILURE(session.type_after(yes_no_prompt, 'n'));
  ASSERT_NO_FATAL_FAILURE(session.type_after("描画画面へ       ", 'q'));
  ASSERT_TRUE(session.wait_for_output(" q"));
  session.wait_for_exit();
  session.expect_mode_restored();
  // The terminal echoed nothing: the only echoes are the program's own, and the echo of the
  // last key shows before anything the window library says.
  const std::string expected = load_message + dialogue_title() + first_error_menu() +
                               error_choice('0') + cp_change_prompt(1, 0.5, 2, 1) + "n" +
                               successful_end(2, report_error('0'), report_path(1, 0.5, 2, 1), 'q');
  EXPECT_EQ(session.output().substr(0, expected.size()), expected);
}

// What was typed before the dialogue asks its first question is not taken as answers:
// "0n" typed ahead would choose no error and keep the path.
TEST(TerminalSession, TypeAheadIsDroppedBeforeTheFirstQuestion) {
  TerminalSession session;
  ASSERT_TRUE(session.start());
  session.send("0n");
  ASSERT_TRUE(session.wait_for_output(error_key_prompt)) << session.output();
  ASSERT_TRUE(session.wait_for_mode(true));
  // Half a second for the program to show a choice, if it took the keys typed ahead.
  EXPECT_FALSE(session.wait_for_output("ERROR=", std::chrono::milliseconds(500)))
      << session.output();
  ASSERT_NO_FATAL_FAILURE(session.type_after(error_key_prompt, '1'));
  EXPECT_TRUE(session.wait_for_output("ERROR=1"));
}

// On a terminal a full-width key is one key, not its bytes one after the other: ｙ is yes
// and shows whole; あ at the menu is one wrong answer.
TEST(TerminalSession, FullWidthKeysAreOneKeyEach) {
  TerminalSession session;
  ASSERT_TRUE(session.start());
  ASSERT_TRUE(session.wait_for_output(error_key_prompt));
  ASSERT_TRUE(session.wait_for_mode(true));
  session.send("あ");
  ASSERT_TRUE(session.wait_for_output(error_key_prompt + "\n軌道誤差設定")) << session.output();
  ASSERT_TRUE(session.wait_for_mode(true));
  session.send("２");
  ASSERT_TRUE(session.wait_for_output("ERROR=2を選択")) << session.output();
  ASSERT_TRUE(session.wait_for_mode(false));
  session.send("1\n");
  ASSERT_TRUE(session.wait_for_output(yes_no_prompt));
  ASSERT_TRUE(session.wait_for_mode(true));
  session.send("ｙ");
  EXPECT_TRUE(session.wait_for_output(yes_no_prompt + "ｙ\n 下記の経路のどれかを選択"))
      << session.output();
  EXPECT_EQ(session.output().find("\n軌道誤差設定", session.output().find("ERROR=")),
            std::string::npos);
}

// A pasted line of wrong keys is one wrong answer: the menu comes back once, and the next
// key typed answers it.
TEST(TerminalSession, APastedWrongLineShowsTheMenuOnce) {
  TerminalSession session;
  ASSERT_TRUE(session.start());
  ASSERT_TRUE(session.wait_for_output(error_key_prompt));
  ASSERT_TRUE(session.wait_for_mode(true));
  session.send(std::string(1000, 'x') + "\r");
  ASSERT_TRUE(session.wait_for_output(error_key_prompt + "\n軌道誤差設定")) << session.output();
  ASSERT_NO_FATAL_FAILURE(session.type_after(error_key_prompt + "\n軌道誤差設定", '1'));
  ASSERT_TRUE(session.wait_for_output("ERROR=1")) << session.output();
  const std::string& out = session.output();
  std::size_t menus = 0;
  for (auto at = out.find(error_key_prompt); at != std::string::npos;
       at = out.find(error_key_prompt, at + 1)) {
    ++menus;
  }
  EXPECT_EQ(menus, 2u);
}

// A sweep tells how far it is on a terminal's error stream (not in a file: the exporter's
// command-line tests), and ends the line of its progress when done.
TEST(TerminalSession, SweepShowsProgressOnATerminal) {
  TempDir dir;
  const std::string out = dir.path() + "/sweep.csv";
  PtyChild child;
  ASSERT_TRUE(child.start([out] {
    execl(AGV_EXPORT_EXE, AGV_EXPORT_EXE, "--sweep", "1", "0", "2", "1", "--out", out.c_str(),
          static_cast<char*>(nullptr));
    _exit(127);
  }));
  EXPECT_TRUE(child.wait_for_output("3/3 sizes (100 %) / 計算済み\n")) << child.output();
  const int status = child.wait_for_exit();
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST(TerminalSession, CtrlCOrCtrlBackslashWhileAKeyIsAwaited) {
  for (const int sig : {SIGINT, SIGQUIT}) {
    for (const bool at_yes_no : {false, true}) {
      SCOPED_TRACE(at_yes_no ? "at the yes/no key" : "at the error key");
      SCOPED_TRACE(sig);
      TerminalSession session;
      ASSERT_TRUE(session.start());
      if (at_yes_no) {
        ASSERT_NO_FATAL_FAILURE(session.type_after(error_key_prompt, '0'));
      }
      ASSERT_NO_FATAL_FAILURE(
          session.type_after(at_yes_no ? yes_no_prompt : error_key_prompt,
                             session.control_char(sig == SIGINT ? VINTR : VQUIT)));
      const int status = session.wait_for_exit();
      EXPECT_TRUE((WIFSIGNALED(status) && WTERMSIG(status) == sig) ||
                  (WIFEXITED(status) && WEXITSTATUS(status) != 0))
          << status;
      session.expect_mode_restored();
    }
  }
}

}  // namespace
