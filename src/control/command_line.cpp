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
  return format_text(tr(Msg::cli_same_file), name.c_str(), options[a], options[b], options[a],
                     options[b]);
}

// Why an entry is not taken, in English and Japanese.
const char* refusal_words(NumberError error) {
  switch (error) {
    case NumberError::none:
      break;
    case NumberError::not_a_number:
      return tr(Msg::cli_not_a_number);
    case NumberError::division_by_zero:
      return tr(Msg::cli_division_by_zero);
    case NumberError::out_of_range:
      return tr(Msg::cli_out_of_range);
    case NumberError::not_whole:
      return tr(Msg::cli_not_whole);
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
      fail(format_text(tr(Msg::cli_missing_argument), argv_[*i]));
      return nullptr;
    }
    return argv_[++*i];
  }

  template <typename T>
  bool number(const char* option, const char* text, T* value) {
    const NumberError error = read_number(text, value);
    if (error == NumberError::none) return true;
    if (read_number_items(text).size() > 1) {  // "3,-2" as the dialogue would take it
      return fail(format_text(tr(Msg::cli_several_numbers), text, option));
    }
    return fail(format_text(tr(Msg::cli_bad_number), text, option, refusal_words(error)));
  }

  // The argument of a file option, which must not be empty.
  const char* file_name(int* i) {
    const char* arg = argument(i);
    if (arg && *arg == '\0') {
      fail(format_text(tr(Msg::cli_empty_file_name), argv_[*i - 1]));
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
          return fail(format_text(tr(Msg::cli_no_path), arg));
        }
      } else if (opt == "--const") {
        if (!(arg = argument(&i)) || !constant(arg, o)) return false;
      } else if (opt == "--error") {
        if (!(arg = argument(&i)) || !error(arg, &i, o)) return false;
      } else if (opt == "--lang") {
        if (!(arg = argument(&i))) return false;
        if (!language_from_code(arg, &o->language)) {
          return fail(format_text(tr(Msg::cli_bad_language), arg));
        }
        o->language_given = true;
      } else if (opt == "--style") {
        if (!(arg = argument(&i))) return false;
        const std::string_view value = arg;
        if (value != "classic" && value != "projector") {
          return fail(format_text(tr(Msg::cli_bad_style), arg));
        }
        o->projector = value == "projector";
        o->picture.projector = o->projector;
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
        const Msg what =
            is_option(argv_[i]) ? Msg::cli_unknown_option : Msg::cli_unexpected_argument;
        return fail(format_text(tr(what), argv_[i]));
      }
    }
    // --path may come after --const: the constants are checked against the path computed.
    for (const auto& [name, value] : o->constants) {
      const PathDescriptor* path = nullptr;
      find_enterable_constant(name, &path);
      if (path->number != o->path_no) {
        return fail(format_text(tr(Msg::cli_constant_of_other_path), name.c_str(), path->number,
                                o->path_no, name.c_str(), path->number));
      }
    }
    if (o->sweep && o->error_kind != ErrorKind::none) {
      return fail(tr(Msg::cli_sweep_and_error));
    }
    if (o->sweep && !o->wheels_file.empty()) {
      return fail(tr(Msg::cli_sweep_no_wheels));
    }
    if (!o->wheels_file.empty() && o->wheels_file == o->out_file) {
      return fail(same_file_text(0, 1, o->out_file));
    }
    return pictures_fit(*o);
  }

 private:
  bool constant(const char* arg, CommandLine* o) {
    const char* eq = std::strchr(arg, '=');
    if (!eq) return fail(format_text(tr(Msg::cli_not_name_value), arg));
    const std::string name(arg, eq);
    if (find_enterable_constant(name, nullptr) < 0) {
      return fail(format_text(tr(Msg::cli_unknown_constant), name.c_str()));
    }
    double value;
    if (!number("--const", eq + 1, &value)) return false;
    // As the path dialog: negative values are refused, zero passes on to the length check,
    // which refuses what cannot be computed.
    if (value < 0.0) return fail(format_text(tr(Msg::cli_negative_constant), arg));
    o->constants.emplace_back(name, value);
    return true;
  }

  bool error_kind(const char* option, const char* arg, ErrorKind* kind) {
    int k;
    if (!number(option, arg, &k)) return false;
    if (k < 0 || k > 9 || !error_kind_from_char('0' + k, kind)) {
      return fail(format_text(tr(Msg::cli_no_error_kind), arg));
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
      return fail(format_text(tr(Msg::cli_error_fault), "--error", error_fault_english(fault),
                              error_fault_japanese(fault)));
    }
    return true;
  }

  // --sweep K FROM TO STEP [V2]
  bool sweep(int* i, CommandLine* o) {
    SweepRange& r = o->sweep_range;
    const char* arg = argument(i);
    if (!arg || !error_kind("--sweep", arg, &r.kind)) return false;
    if (r.kind == ErrorKind::none) return fail(tr(Msg::cli_sweep_no_kind));
    double* const fields[3] = {&r.from, &r.to, &r.step};
    for (double* f : fields) {
      if (!(arg = argument(i)) || !number("--sweep", arg, f)) return false;
    }
    r.second = 0.0;
    if (error_value_count(r.kind) == 2 && *i + 1 < argc_ && !is_option(argv_[*i + 1])) {
      if (!number("--sweep", argv_[++*i], &r.second)) return false;
    }
    if (r.step == 0.0) {
      return fail(tr(Msg::cli_sweep_step_zero));
    }
    const double count = (r.to - r.from) / r.step;
    if (count < 0.0) {
      return fail(tr(r.step > 0.0 ? Msg::cli_sweep_away_up : Msg::cli_sweep_away_down));
    }
    if (std::isfinite(count) && count > max_sweep_sizes) {
      const double sizes = std::floor(count + 1e-9) + 1.0;  // as sweep_sizes counts them
      return fail(sizes < 1e15 ? format_text(tr(Msg::cli_sweep_too_many_count),
                                             static_cast<long long>(sizes))
                               : std::string(tr(Msg::cli_sweep_too_many)));
    }
    if (!(count >= 0.0) || !std::isfinite(count)) {
      return fail(tr(Msg::cli_sweep_no_range));
    }
    // A sweep none of whose sizes describes a vehicle is refused as --error refuses one.
    ErrorFault fault = ErrorFault::none;
    for (const double size : sweep_sizes(r)) {
      fault = error_fault({r.kind, {size, r.second}}, default_vehicle());
      if (fault == ErrorFault::none) break;
    }
    if (fault != ErrorFault::none) {
      return fail(format_text(tr(Msg::cli_error_fault), "--sweep", error_fault_english(fault),
                              error_fault_japanese(fault)));
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
        return fail(format_text(tr(Msg::cli_no_type), arg));
      }
    } else if (opt == "--step") {
      step_given_ = true;
      if (value == "end") {
        p->step = -1;
      } else if (!number("--step", arg, &p->step)) {
        return false;
      } else if (p->step < 0) {
        return fail(format_text(tr(Msg::cli_negative_step), arg));
      }
    } else if (opt == "--view") {
      if (value != "fit" && value != "default" && value != "compare") {
        return fail(format_text(tr(Msg::cli_bad_view), arg));
      }
      p->fit = value == "fit";
      p->compare = value == "compare";
    } else if (opt == "--size") {
      return size(arg, p);
    } else if (opt == "--fps") {
      fps_given_ = true;
      if (!number("--fps", arg, &p->fps)) return false;
      if (!(p->fps > 0.0 && p->fps <= 100.0)) {
        return fail(format_text(tr(Msg::cli_bad_fps), arg));
      }
    } else {  // --status
      if (value != "on" && value != "off") {
        return fail(format_text(tr(Msg::cli_bad_status), arg));
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
    const std::string bad =
        format_text(tr(Msg::cli_bad_size), arg, min_picture_side, max_picture_side);
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
      return fail(tr(Msg::cli_picture_options_alone));
    }
    if (o.sweep) return fail(tr(Msg::cli_sweep_no_pictures));
    if (p.one_frame() && p.type == 0) {
      return fail(tr(Msg::cli_type_all_png));
    }
    if (!p.one_frame() && step_given_) {
      return fail(tr(Msg::cli_step_png));
    }
    if (p.gif_file.empty() && fps_given_) return fail(tr(Msg::cli_fps_gif));
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
      *error = format_text(tr(Msg::cli_cannot_write), files[a]->c_str(), std::strerror(err));
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
