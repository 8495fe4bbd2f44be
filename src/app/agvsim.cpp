// agvsim: start-up, the first dialogue (or a scenario from the command line), then the
// window and its event loop, which ends through the ESC key, the window's close button, or
// a signal. The window library's
// options on the command line go to it; the others are the program's.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "agvsim_version.h"
#include "app/app_state.h"
#include "app/keys.h"
#include "app/window_pictures.h"
#include "control/command_line.h"
#include "gl/window.h"
#include "platform/console.h"
#include "platform/display_check.h"
#include "platform/end_signals.h"
#include "platform/standard_streams.h"
#include "platform/window_input.h"

namespace {

const char usage[] = R"(Usage: agvsim [--path I] [--const NAME=VALUE]... [--error K [V1 [V2]]]
              [--tables DIR] [--no-window] [window options]

The console dialogue asks for a mechanism error and a CP path, then the window shows the
motions. Given a scenario (--path, --const or --error), agvsim computes it and opens the
window at once; 'c' and 'e' in the window still lead to the dialogue.

  --path I            CP path: 1-4, 11-16 (default 1)
  --const NAME=VALUE  set a path constant (repeatable), VALUE >= 0, e.g. ellipse_A=3
                      (names: see agvsim-export --help)
  --error K [V1 [V2]] error kind 0-5 and its values in % or degrees, as the dialogue
                      asks them: 1 rear wheels L R, 2 front wheel, 3 steering drift,
                      4 WheelBase Tread, 5 slip; missing values are 0
  --tables DIR        read the five random tables from DIR only
  --no-window         the dialogue (or the scenario) and its computation only; ends
                      where the window would open
  --help              this text
  --version           the version of the program
  window options      of the window library: -display NAME, -geometry WxH+X+Y, -iconic

Keys in the window:
  1 2 3    AGV type 2DW1C / 1FDW1FS / 1RDW1FS, from the start
  space    play / pause in real time        + -      playback speed x1/4 ... x8
  s        3 time steps on                  0        back to the start
  f        fit the view to the path         x X y Y  move the scene
  w W      zoom out / in                    i        status line on / off
  h ?      key list                         c e      console: path / error and path
  p        save the picture as PNG          g        record a GIF / write it
  ESC      quit (so does the close button; a recording is written first)

Exit status: 0 done, 1 no display or a table could not be read, 2 bad command line,
3 the scenario's path was refused.

使い方: agvsim [--path I] [--const 名前=値]... [--error K [V1 [V2]]] [--tables DIR]
              [--no-window] [ウィンドウのオプション]

文字画面で機構誤差と CP 経路を選ぶと、描画ウィンドウに運動を表示する。--path, --const,
--error で条件を与えると、対話なしで計算してすぐにウィンドウを開く（ウィンドウの 'c' 'e'
で対話に戻れる）。オプションの意味は agvsim-export と同じ。--no-window は対話と計算だけ
を行い、ウィンドウを開かずに終わる。

ウィンドウのキー: 1 2 3 AGV のタイプ, space 再生・一時停止, + - 再生の速さ, s 3 刻み進める,
0 初めに戻す, f 経路に合わせて表示, x X y Y 移動, w W 縮小・拡大, i 状態表示,
h ? キー一覧, p 画像を PNG で保存, g GIF の記録の開始・保存, c e 文字画面へ,
ESC 終了
)";

// Every 100 ms, whatever the window does: a window destroyed by another program ends the
// program as ESC does, and so does a signal that came while a GIF was recorded, which then
// ends it once the recording is written.
constexpr unsigned watch_ms = 100;

void watch_window(void* window_state) {
  AppState& state = *static_cast<AppState*>(window_state);
  if (window_lost()) quit_program(state);
  if (const int sig = end_signal_pending()) {
    end_gif_recording(state);
    end_by_signal(sig);
  }
  call_after_ms(watch_ms, watch_window);
}

// The window's callbacks, on the state handed to the window.
AppState& of(void* window_state) {
  return *static_cast<AppState*>(window_state);
}
void display(void* state) {
  on_display(of(state));
}
void key(void* state, unsigned char k) {
  on_key(of(state), k);
}
void reshape(void* state, int width, int height) {
  app_reshape(of(state), width, height);
}
// The close button (the window manager's request to close) ends the program as ESC does.
void close_request(void* state) {
  quit_program(of(state));
}

[[noreturn]] void usage_error(const std::string& reason) {
  console_error("agvsim: %s (see --help)\n", reason.c_str());
  std::exit(2);
}

}  // namespace

int main(int argc, char** argv) {
  // First of all: a closed standard output would otherwise go to the X connection, and the
  // dialogue's texts with it.
  open_closed_standard_streams();
  if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("agvsim %s\n", AGVSIM_VERSION);
    return 0;
  }
  SplitArguments args;
  std::string error;
  if (!split_window_arguments(argc, argv, max_window_side, &args, &error)) usage_error(error);
  // --no-window is agvsim's own; the rest is the command line agvsim-export reads too.
  bool no_window = false;
  std::erase_if(args.program, [&](const char* a) {
    const bool match = std::strcmp(a, "--no-window") == 0;
    no_window = no_window || match;
    return match;
  });
  CommandLine line;
  if (!parse_command_line(static_cast<int>(args.program.size()), args.program.data(), &line,
                          &error)) {
    usage_error(error);
  }
  if (line.help) {
    console_print("%s", usage);
    console_flush();
    return 0;
  }
  if (line.version) {
    std::printf("agvsim %s\n", AGVSIM_VERSION);
    return 0;
  }
  if (line.sweep || !line.out_file.empty() || !line.wheels_file.empty()) {
    usage_error(
        "--sweep, --out and --wheels are options of agvsim-export / agvsim-export のオプション");
  }
  if (line.picture.given) {
    usage_error(
        "--png, --gif and their options are options of agvsim-export; in the window 'p' and "
        "'g' save pictures / agvsim-export のオプション（ウィンドウでは p と g）");
  }
  if (!no_window && !display_available(args.window, &error)) {
    console_error("%s\n", error.c_str());
    return 1;
  }

  // The window's state lives as long as the program; the window's callbacks get it.
  auto state = std::make_unique<AppState>();
  app_start(*state, line.tables_dir);
  if (line.scenario_given) {
    if (!app_run_scenario(*state, command_line_scenario(line))) return 3;
  } else {
    app_run_dialogue(*state, DialogueStart::error_menu);
  }
  if (no_window) return 0;
  int window_argc = static_cast<int>(args.window.size());
  args.window.push_back(nullptr);
  open_window(&window_argc, args.window.data(), {display, key, reshape, close_request}, state.get());
  watch_window_loss();
  call_after_ms(watch_ms, watch_window);
  run_window();
  return 0;
}
