#include "control/command_line.h"

#include <cmath>
#include <cstring>
#include <string_view>

#include "control/refusal_text.h"
#include "control/sweep.h"
#include "path/path_table.h"
#include "platform/catalogue.h"
#include "platform/file_system.h"
#include "platform/language_env.h"
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
      } else if (opt == "--lang") {
        if (!(arg = argument(&i))) return false;
        if (!language_from_code(arg, &o->language)) {
          return fail(std::string("--lang is ja or en, not '") + arg + "' / --lang は ja か en");
        }
        o->language_given = true;
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

Language program_language(int argc, const char* const* argv) {
  Language language;
  for (int i = argc - 2; i >= 1; --i) {
    if (std::strcmp(argv[i], "--lang") == 0 && language_from_code(argv[i + 1], &language)) {
      return language;
    }
  }
  return language_from_environment();
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
  return tr(Msg::export_usage);
}
