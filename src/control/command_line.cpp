#include "control/command_line.h"

#include <cmath>
#include <cstring>
#include <string_view>

#include "control/refusal_text.h"
#include "control/sweep.h"
#include "path/path_table.h"
#include "platform/file_system.h"
#include "platform/number_text.h"
#include "sim/computation.h"

namespace {

// "two options name the same file NAME: --A and --B", options by their place in the list
// out, wheels, png, gif.
std::string same_file_text(int a, int b, const std::string& name) {
  static const char* const options[] = {"--out", "--wheels", "--png", "--gif", "--frame"};
  return std::string("two options name the same file ") + name + ": " + options[a] + " and " +
         options[b] + " / " + options[a] + " と " + options[b] + " が同じファイル";
}

// Why an entry is not taken, in English and Japanese.
const char* refusal_words(NumberError error) {
  switch (error) {
    case NumberError::none:
      break;
    case NumberError::not_a_number:
      return "not a number / 数値でない";
    case NumberError::division_by_zero:
      return "division by zero / 0 で割っている";
    case NumberError::out_of_range:
      return "out of range / 範囲外の値";
    case NumberError::not_whole:
      return "not a whole number / 整数でない";
  }
  return "";
}

// The number reader of the dialogue, for one argument.
NumberError read_number(std::string_view text, double* value) {
  return parse_number(text, value);
}
NumberError read_number(std::string_view text, int* value) {
  return parse_whole_number(text, value);
}

bool is_option(const char* arg) {
  return std::strncmp(arg, "--", 2) == 0;
}

class Parser {
 public:
  Parser(int argc, const char* const* argv, std::string* error)
      : argc_(argc), argv_(argv), error_(error) {}

  bool fail(const std::string& reason) {
    *error_ = reason;
    return false;
  }

  // The argument of option argv[i], or nullptr after reporting it missing.
  const char* argument(int* i) {
    if (*i + 1 >= argc_ || is_option(argv_[*i + 1])) {
      fail(std::string("missing argument for ") + argv_[*i] + " / 引数がない");
      return nullptr;
    }
    return argv_[++*i];
  }

  template <typename T>
  bool number(const char* option, const char* text, T* value) {
    const NumberError error = read_number(text, value);
    if (error == NumberError::none) return true;
    if (read_number_items(text).size() > 1) {  // "3,-2" as the dialogue would take it
      return fail(std::string("'") + text + "' for " + option +
                  " holds several numbers: one per argument / 引数 1 つに数値は 1 つ");
    }
    return fail(std::string("bad number '") + text + "' for " + option + ": " +
                refusal_words(error));
  }

  // The argument of a file option, which must not be empty.
  const char* file_name(int* i) {
    const char* arg = argument(i);
    if (arg && *arg == '\0') {
      fail(std::string("empty file name for ") + argv_[*i - 1] + " / ファイル名が空");
      return nullptr;
    }
    return arg;
  }

  bool parse(CommandLine* o) {
    for (int i = 1; i < argc_; ++i) {
      const std::string_view opt = argv_[i];
      const char* arg = nullptr;
      o->scenario_given =
          o->scenario_given || opt == "--path" || opt == "--const" || opt == "--error";
      if (opt == "--help" || opt == "-h") {
        o->help = true;
        return true;
      } else if (opt == "--version") {
        o->version = true;
        return true;
      } else if (opt == "--path") {
        if (!(arg = argument(&i)) || !number("--path", arg, &o->path_no)) return false;
        if (!find_path(o->path_no)) {
          return fail(std::string("no path number ") + arg +
                      " (1-4, 11-16) / 経路番号は 1-4, 11-16");
        }
      } else if (opt == "--const") {
        if (!(arg = argument(&i)) || !constant(arg, o)) return false;
      } else if (opt == "--error") {
        if (!(arg = argument(&i)) || !error(arg, &i, o)) return false;
      } else if (opt == "--tables") {
        if (!(arg = file_name(&i))) return false;
        o->tables_dir = arg;
      } else if (opt == "--sweep") {
        if (!sweep(&i, o)) return false;
      } else if (opt == "--out") {
        if (!(arg = file_name(&i))) return false;
        o->out_file = arg;
      } else if (opt == "--wheels") {
        if (!(arg = file_name(&i))) return false;
        o->wheels_file = arg;
      } else if (is_picture_option(opt)) {
        if (!picture_option(opt, &i, &o->picture)) return false;
      } else {
        const char* what = is_option(argv_[i]) ? "unknown option" : "unexpected argument";
        return fail(std::string(what) + " '" + argv_[i] + "' / 不明な引数");
      }
    }
    // --path may come after --const: the constants are checked against the path computed.
    for (const auto& [name, value] : o->constants) {
      const PathDescriptor* path = nullptr;
      find_enterable_constant(name, &path);
      if (path->number != o->path_no) {
        return fail(name + " belongs to path " + std::to_string(path->number) + ", not to path " +
                    std::to_string(o->path_no) + " / " + name + " は経路 " +
                    std::to_string(path->number) + " の定数");
      }
    }
    if (o->sweep && o->error_kind != ErrorKind::none) {
      return fail("--sweep and --error exclude each other / --sweep と --error は同時に使えない");
    }
    if (o->sweep && !o->wheels_file.empty()) {
      return fail("--sweep writes no wheel data / --sweep に --wheels は使えない");
    }
    if (!o->wheels_file.empty() && o->wheels_file == o->out_file) {
      return fail(same_file_text(0, 1, o->out_file));
    }
    return pictures_fit(*o);
  }

 private:
  bool constant(const char* arg, CommandLine* o) {
    const char* eq = std::strchr(arg, '=');
    if (!eq)
      return fail(std::string("expected NAME=VALUE, got '") + arg + "' / NAME=VALUE の形でない");
    const std::string name(arg, eq);
    if (find_enterable_constant(name, nullptr) < 0) {
      return fail("unknown constant '" + name + "' / 不明な定数");
    }
    double value;
    if (!number("--const", eq + 1, &value)) return false;
    // As the path dialog: negative values are refused, zero passes on to the length check,
    // which refuses what cannot be computed.
    if (value < 0.0) return fail("negative constant " + std::string(arg) + " / 負の定数");
    o->constants.emplace_back(name, value);
    return true;
  }

  bool error_kind(const char* option, const char* arg, ErrorKind* kind) {
    int k;
    if (!number(option, arg, &k)) return false;
    if (k < 0 || k > 9 || !error_kind_from_char('0' + k, kind)) {
      return fail(std::string("no error kind ") + arg + " (0-5) / 誤差の種類は 0-5");
    }
    return true;
  }

  bool error(const char* arg, int* i, CommandLine* o) {
    if (!error_kind("--error", arg, &o->error_kind)) return false;
    o->error_count = 0;
    o->error_values[0] = o->error_values[1] = 0.0;
    const int n = error_value_count(o->error_kind);
    while (o->error_count < n && *i + 1 < argc_ && !is_option(argv_[*i + 1])) {
      if (!number("--error", argv_[++*i], &o->error_values[o->error_count])) return false;
      ++o->error_count;
    }
    const ErrorSetting setting{o->error_kind, {o->error_values[0], o->error_values[1]}};
    const ErrorFault fault = error_fault(setting, default_vehicle());
    if (fault != ErrorFault::none) {
      return fail(std::string("--error: ") + error_fault_english(fault) + " / " +
                  error_fault_japanese(fault));
    }
    return true;
  }

  // --sweep K FROM TO STEP [V2]
  bool sweep(int* i, CommandLine* o) {
    SweepRange& r = o->sweep_range;
    const char* arg = argument(i);
    if (!arg || !error_kind("--sweep", arg, &r.kind)) return false;
    if (r.kind == ErrorKind::none)
      return fail("--sweep needs an error kind 1-5 / 誤差の種類は 1-5");
    double* const fields[3] = {&r.from, &r.to, &r.step};
    for (double* f : fields) {
      if (!(arg = argument(i)) || !number("--sweep", arg, f)) return false;
    }
    r.second = 0.0;
    if (error_value_count(r.kind) == 2 && *i + 1 < argc_ && !is_option(argv_[*i + 1])) {
      if (!number("--sweep", argv_[++*i], &r.second)) return false;
    }
    if (r.step == 0.0) {
      return fail("--sweep STEP is 0: the sizes never change / --sweep の刻みが 0");
    }
    const double count = (r.to - r.from) / r.step;
    if (count < 0.0) {
      return fail(std::string("--sweep STEP ") + (r.step > 0.0 ? "is positive" : "is negative") +
                  " but TO is " + (r.to < r.from ? "below" : "above") +
                  " FROM: the sizes lead away from TO / --sweep の刻みの符号が逆");
    }
    if (std::isfinite(count) && count > max_sweep_sizes) {
      const double sizes = std::floor(count + 1e-9) + 1.0;  // as sweep_sizes counts them
      const std::string count_text =
          sizes < 1e15 ? std::to_string(static_cast<long long>(sizes)) + " sizes, more than 10000"
                       : std::string("more than 10000 sizes");
      return fail("--sweep FROM TO STEP gives " + count_text + " / 大きさの数が 10000 を超える");
    }
    if (!(count >= 0.0) || !std::isfinite(count)) {
      return fail("--sweep FROM TO STEP must give 1 to 10000 sizes / 範囲の指定が正しくない");
    }
    // A sweep none of whose sizes describes a vehicle is refused as --error refuses one.
    ErrorFault fault = ErrorFault::none;
    for (const double size : sweep_sizes(r)) {
      fault = error_fault({r.kind, {size, r.second}}, default_vehicle());
      if (fault == ErrorFault::none) break;
    }
    if (fault != ErrorFault::none) {
      return fail(std::string("--sweep: ") + error_fault_english(fault) + " / " +
                  error_fault_japanese(fault));
    }
    o->sweep = true;
    return true;
  }

  static constexpr double max_sweep_sizes = 9999.0;

  static bool is_picture_option(std::string_view opt) {
    return opt == "--png" || opt == "--gif" || opt == "--frame" || opt == "--type" ||
           opt == "--step" || opt == "--view" || opt == "--size" || opt == "--fps" ||
           opt == "--status";
  }

  // One of the picture options and its argument.
  bool picture_option(std::string_view opt, int* i, PictureOptions* p) {
    p->given = true;
    const bool file = opt == "--png" || opt == "--gif" || opt == "--frame";
    const char* arg = file ? file_name(i) : argument(i);
    if (!arg) return false;
    const std::string_view value = arg;
    if (opt == "--png") {
      p->png_file = arg;
    } else if (opt == "--gif") {
      p->gif_file = arg;
    } else if (opt == "--frame") {
      p->frame_file = arg;
    } else if (opt == "--type") {
      if (value == "all") {
        p->type = 0;
      } else if (!number("--type", arg, &p->type) || p->type < 1 || p->type > 3) {
        return fail(std::string("no AGV type '") + arg + "' for --type (1, 2, 3 or all)" +
                    " / AGV のタイプは 1, 2, 3, all");
      }
    } else if (opt == "--step") {
      step_given_ = true;
      if (value == "end") {
        p->step = -1;
      } else if (!number("--step", arg, &p->step)) {
        return false;
      } else if (p->step < 0) {
        return fail(std::string("negative step ") + arg + " for --step / 刻みが負");
      }
    } else if (opt == "--view") {
      if (value != "fit" && value != "default") {
        return fail(std::string("--view is fit or default, not '") + arg +
                    "' / --view は fit か default");
      }
      p->fit = value == "fit";
    } else if (opt == "--size") {
      return size(arg, p);
    } else if (opt == "--fps") {
      fps_given_ = true;
      if (!number("--fps", arg, &p->fps)) return false;
      if (!(p->fps > 0.0 && p->fps <= 100.0)) {
        return fail(std::string("--fps ") + arg + " is not above 0 and at most 100" +
                    " / --fps は 0 より大きく 100 以下");
      }
    } else {  // --status
      if (value != "on" && value != "off") {
        return fail(std::string("--status is on or off, not '") + arg +
                    "' / --status は on か off");
      }
      p->status = value == "on";
    }
    return true;
  }

  // --size WxH, each side min_picture_side to max_picture_side pixels; the x may be full
  // width (ｘ, Ｘ) or ×, as the digits may be.
  bool size(const char* arg, PictureOptions* p) {
    const std::string text = arg;
    std::size_t x = text.find_first_of("xX"), x_bytes = 1;
    for (const char* wide : {"\uFF58", "\uFF38", "\u00D7"}) {
      if (const std::size_t at = text.find(wide); at < x) {
        x = at;
        x_bytes = std::strlen(wide);
      }
    }
    const std::string bad = "bad size '" + text + "' for --size (WIDTHxHEIGHT, sides " +
                            std::to_string(min_picture_side) + "-" +
                            std::to_string(max_picture_side) + ") / 大きさの指定が正しくない";
    if (x == std::string::npos) return fail(bad);
    if (read_number(std::string_view(text).substr(0, x), &p->width) != NumberError::none ||
        read_number(std::string_view(text).substr(x + x_bytes), &p->height) != NumberError::none) {
      return fail(bad);
    }
    const auto fits = [](int side) { return side >= min_picture_side && side <= max_picture_side; };
    return fits(p->width) && fits(p->height) ? true : fail(bad);
  }

  // What the picture options ask for must make sense together.
  bool pictures_fit(const CommandLine& o) {
    const PictureOptions& p = o.picture;
    if (!p.given) return true;
    if (!p.wanted()) {
      return fail(
          "--type, --step, --view, --size, --fps and --status go with --png, --gif or --frame"
          " / これらは --png か --gif か --frame と使う");
    }
    if (o.sweep) return fail("--sweep draws no pictures / --sweep では画像を描かない");
    if (p.one_frame() && p.type == 0) {
      return fail("--type all is for --gif; a PNG shows one type / PNG は 1 つのタイプだけ");
    }
    if (!p.one_frame() && step_given_) {
      return fail(
          "--step is the moment of --png; a GIF shows the whole motion"
          " / --step は --png の刻み");
    }
    if (p.gif_file.empty() && fps_given_) return fail("--fps is for --gif / --fps は --gif 用");
    const std::string* files[] = {&o.out_file, &o.wheels_file, &p.png_file, &p.gif_file,
                                  &p.frame_file};
    for (int a = 0; a < 5; ++a) {
      for (int b = a + 1; b < 5; ++b) {
        if (!files[a]->empty() && *files[a] == *files[b]) {
          return fail(same_file_text(a, b, *files[a]));
        }
      }
    }
    return true;
  }

  bool step_given_ = false;
  bool fps_given_ = false;

  int argc_;
  const char* const* argv_;
  std::string* error_;
};

}  // namespace

bool check_output_files(const CommandLine& line, std::string* error) {
  const std::string* files[] = {&line.out_file, &line.wheels_file, &line.picture.png_file,
                                &line.picture.gif_file, &line.picture.frame_file};
  OutputTarget targets[5];
  for (int a = 0; a < 5; ++a) {
    if (files[a]->empty()) continue;
    if (const int err = write_refusal(*files[a])) {
      *error = "cannot write " + *files[a] + ": " + std::strerror(err) + " / 書き込めないファイル";
      return false;
    }
    targets[a] = output_target(*files[a]);
    for (int b = 0; b < a; ++b) {
      if (!files[b]->empty() && targets[b] == targets[a]) {
        *error = same_file_text(b, a, *files[b]) + " (" + *files[a] + ")";
        return false;
      }
    }
  }
  return true;
}

bool parse_command_line(int argc, const char* const* argv, CommandLine* line, std::string* error) {
  return Parser(argc, argv, error).parse(line);
}

Scenario command_line_scenario(const CommandLine& line) {
  Scenario s = default_scenario();
  set_default_path(s, line.path_no);
  for (const auto& [name, value] : line.constants) {
    const PathDescriptor* path = nullptr;
    const int k = find_enterable_constant(name, &path);
    if (k >= 0 && path->number == line.path_no) s.path.constants[k] = value;
  }
  s.error.kind = line.error_kind;
  for (int k = 0; k < line.error_count && k < 2; ++k) s.error.entered[k] = line.error_values[k];
  return s;
}

const char* export_usage() {
  return R"(Usage: agvsim-export [--path I] [--const NAME=VALUE]... [--error K [V1 [V2]]]
                     [--tables DIR] [--out FILE] [--wheels FILE]
       agvsim-export [--path I] [--const NAME=VALUE]... --sweep K FROM TO STEP [V2]
                     [--tables DIR] [--out FILE]
       agvsim-export [--path I] [--const NAME=VALUE]... [--error K [V1 [V2]]]
                     [--png FILE] [--gif FILE] [--frame FILE] [--type T] [--step N]
                     [--view V] [--size WxH] [--fps F] [--status on|off] [--out FILE]

Runs the computation of agvsim for the given answers, without the dialogue and the
window, and writes the trajectories as CSV: '#' lines with the settings and the deviation
of the faulty vehicle from the error-free one, then one table. Numbers are written in the
shortest form that reads back as the same double (0.04, not 0.040000000000000001).
With --sweep it runs one computation per error size instead and writes one row per size
and AGV type: the final and the largest deviation of the faulty vehicle from the
error-free one (dx, dy, distance, dtheta).

Numbers are read as the dialogue reads them, one per argument: decimals (2, -0.5, 1e-3),
fractions (1/2), full-width forms (１／２); text, 1/0, values beyond a double, nan, inf
and hex floats are refused.

  --path I            CP path: 1-4, 11-16 (default 1)
  --const NAME=VALUE  set a path constant (repeatable), VALUE >= 0; names:
                      cosine_A cosine_L cosine_n cycloid_A cycloid_L quad_A quad_L
                      cubic_A cubic_L ellipse_A ellipse_B spiral_A spiral_n cardioid_A
                      rose_A rose_n arc_R arc_n wavy_A wavy_n     (e.g. rose_n=1/2)
  --error K [V1 [V2]] error kind 0-5 (default 0) and its values as the dialogue takes them:
                      1 rear wheels L R (%), 2 front wheel (%), 3 steering drift (deg),
                      4 WheelBase Tread (%), 5 slip (%); missing values are 0
  --sweep K FROM TO STEP [V2]
                      error kind 1-5, its first value from FROM to TO in steps of STEP,
                      its second value V2 (kinds 1 and 4; default 0); sizes run in
                      parallel on every core, their progress shown on a terminal
  --tables DIR        read the five random tables from DIR only
  --out FILE          write to FILE instead of standard output
  --wheels FILE       also write the wheel table (type,record,t,travel_1,travel_2,delta)
                      to FILE, with the same '#' lines
  --help              this text
  --version           the version of the program

Output files must be distinct files (also through other spellings and symbolic links);
a write-protected file is not replaced.

Pictures for slides and handouts, drawn by agvsim's own window code, pixel for pixel
what the window shows for the same type, step, view and size (no CSV is written to the
standard output then; --out still writes it):
  --png FILE          one frame as PNG
  --gif FILE          the whole motion as an animated GIF, in real time, looping; the
                      last frame of each motion is held 2 s
  --frame FILE        what the --png frame draws, as JSON: every line, shape, dot and
                      text in pixels of the picture (docs/frame-json.md); needs no display
  --type T            AGV type 1, 2 or 3 (default 1); for --gif also all: the three
                      types one after the other
  --step N            the record of the --png or --frame frame, or end (the default); a step past
                      the end shows the end and says so
  --view V            default (the window's view after a computation, the default) or
                      fit (as the key 'f': the path and the motions fill the picture)
  --size WxH          the picture's size in pixels, 16-4096 each (default 800x800; full
                      width as ８００ｘ６００ too); the
                      drawing keeps its proportions in the largest centred square
  --fps F             at most F frames per second of motion (default 25): every n-th
                      record and the last one
  --status on|off     the status line at the bottom left (default on, as the window)
Pictures are drawn with OpenGL: on the X display named by DISPLAY or, where there is
none, without a display through Mesa's EGL (Debian packages libegl1, libegl-mesa0).

Exit status: 0 done, 1 a table or the output could not be read or written,
2 bad command line (error values that describe no vehicle included: a wheel, the
WheelBase or the Tread of -100 % or less, a slip above 100 %), one file named by two
output options, a write-protected output file, a picture file that cannot be created or
no OpenGL for pictures, 3 the computation was refused (path too long, too short, too
many records, or a motion that is not finite; for a sweep: at every size; no file is
written).

使い方: agvsim-export [--path I] [--const 名前=値]... [--error K [V1 [V2]]]
                      [--tables DIR] [--out FILE] [--wheels FILE]
        agvsim-export [--path I] [--const 名前=値]... --sweep K FROM TO STEP [V2]
                      [--tables DIR] [--out FILE]

対話とウィンドウなしで agvsim と同じ計算を行い、軌道データを CSV で書き出す（'#' で
始まる設定と誤差の行、続いて表 1 つ）。数値は同じ値に読み戻せる最短の形で書く。
数値は対話と同じく 1 引数に 1 つ読む: 小数、分数 (1/2)、全角 (１／２)。数値でないもの、
0 での割り算、範囲外の値、nan、inf は誤り。

  --path I            CP 経路番号 1-4, 11-16（既定 1）
  --const 名前=値     経路の定数を設定（繰り返し可、値は 0 以上）。名前は上記のとおり
  --error K [V1 [V2]] 誤差の種類 0-5（既定 0）と値（対話と同じく % または度）:
                      1 後車輪 左 右(%), 2 前車輪(%), 3 ステアリングドリフト(度),
                      4 WheelBase Tread(%), 5 滑り(%)。省略した値は 0
  --sweep K FROM TO STEP [V2]
                      誤差の種類 K (1-5) の第 1 の値を FROM から TO まで STEP 刻みで
                      変えて計算し、大きさと AGV タイプごとに 1 行書く。V2 は第 2 の値
                      （種類 1 と 4、既定 0）
  --tables DIR        乱数変換表 5 つを DIR だけから読む
  --out FILE          標準出力の代わりに FILE に書く
  --wheels FILE       車輪の表も同じ '#' 行をつけて FILE に書く
  --help              この説明
  --version           プログラムの版

出力ファイルは互いに別のファイルであること（別の綴りやシンボリックリンクでも同じなら誤り）。
書き込み禁止のファイルは置き換えない。

スライドや配布資料の画像（ウィンドウと同じ描画で、同じタイプ・刻み・表示・大きさなら
ウィンドウと同じ画素。このとき CSV は標準出力に書かない。--out なら書く）:
  --png FILE          1 コマを PNG で
  --gif FILE          運動全体を実時間のアニメーション GIF で（繰り返し、各運動の最後
                      のコマは 2 秒）
  --frame FILE        --png のコマに描くもの（線・図形・点・文字、画素単位）を JSON で
                      （docs/frame-json.md）。ディスプレイは要らない
  --type T            AGV のタイプ 1, 2, 3（既定 1）。--gif では all（3 タイプを順に）も
  --step N            --png と --frame の刻み、または end（既定）。最後より後なら最後を描いてそう言う
  --view V            default（計算後のウィンドウの表示、既定）または fit（キー 'f' と同じ）
  --size WxH          画像の大きさ（画素、各 16-4096、既定 800x800、８００ｘ６００ も可）
  --fps F             運動 1 秒あたり最大 F コマ（既定 25）: n 刻みごとと最後の刻み
  --status on|off     左下の状態表示（既定 on、ウィンドウと同じ）
画像は OpenGL で描く: DISPLAY の X のディスプレイ、ディスプレイがなければ Mesa の EGL
（Debian パッケージ libegl1, libegl-mesa0）で。

終了状態: 0 正常, 1 変換表または出力の読み書きに失敗, 2 コマンドラインの誤り（車輪・
WheelBase・Tread が -100% 以下、滑りが 100% を超える誤差を含む）、2 つの出力オプションが
同じファイル、書き込み禁止の出力ファイル、画像ファイルを作れない、
画像用の OpenGL がない, 3 計算が受け付けられない（経路が長過ぎる・短過ぎる・刻み数が
多過ぎる・運動が有限でない。ファイルは書かない）
)";
}
