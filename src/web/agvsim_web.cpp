// The browser edition's module: the computation, the CSV of agvsim-export and the
// projector-style frame as JSON, called from the page (web/page/agvsim.js). A setting is
// the exporter's command line, so the page, its address and agvsim-export agree on what
// each option means. One computation at a time; the texts handed out stay valid until the
// next call. The page's frames can be recorded into an animated GIF (app/gif_recording.h).
#include <emscripten/emscripten.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/gif_recording.h"
#include "app/shown_frame.h"
#include "control/command_line.h"
#include "control/csv_export.h"
#include "control/live_settings.h"
#include "control/refusal_text.h"
#include "control/table_files.h"
#include "display/compare_view.h"
#include "display/frame_json.h"
#include "path/path_table.h"
#include "platform/catalogue.h"
#include "platform/float_text.h"
#include "platform/number_text.h"
#include "sim/computation.h"

namespace {

struct State {
  NormalTables tables;
  std::unique_ptr<Workspace> ws;     // the motion shown
  std::unique_ptr<Workspace> spare;  // the next computation's, then the motion before
  bool ghost_ready = false;          // spare holds the motion before the shown one
  CommandLine line;
  Scenario scenario;
  ComputeResult result;
  bool computed = false;
  double compute_ms = 0.0;
  DrawList list;
  std::string text;   // the last text handed out
  std::string frame;  // the last frame, its memory kept for the next
  double number = 0.0;
  // The window's setting keys: the setting they change and what they step.
  Session session = new_session();
  LiveSettings live{};
  std::string live_options;  // the setting the keys made last
  GifRecording gif;
  std::vector<unsigned char> gif_rgba;   // the page's frame: RGBA, top row first
  std::vector<unsigned char> gif_bytes;  // the last finished file
};

// Where the GIF is written, in the module's own file system (memory).
constexpr const char* gif_path = "/tmp/agvsim.gif";

State& state() {
  static State s;
  return s;
}

// The words of a command line: blanks separate them (the address holds no quoting).
std::vector<std::string> words_of(const char* options) {
  std::vector<std::string> words;
  std::string word;
  for (const char* p = options;; ++p) {
    if (*p == '\0' || *p == ' ' || *p == '\t' || *p == '\n') {
      if (!word.empty()) words.push_back(word);
      word.clear();
      if (*p == '\0') return words;
    } else {
      word += *p;
    }
  }
}

const char* hand_out(std::string text) {
  state().text = std::move(text);
  return state().text.c_str();
}

void append_number(std::string& text, double v) {
  char digits[32];
  text.append(digits, write_shortest(digits, digits + sizeof digits, v));
}

// The session's setting as the exporter's options: the path, the constants that differ
// from the path's defaults, the error kind and its values.
std::string session_options(const Session& session) {
  const PathDescriptor& path = *find_path(session.path_no);
  const PathChoice& chosen = session_path(session, session.path_no);
  std::string text = "--path " + std::to_string(session.path_no);
  for (int i = 0; i < path.entered_count; ++i) {
    if (chosen.constants[i] == path.constants[i].default_value) continue;
    text += std::string(" --const ") + path.constants[i].name + "=";
    append_number(text, chosen.constants[i]);
  }
  if (session.error.kind != ErrorKind::none) {
    text += " --error ";
    text += error_kind_char(session.error.kind);
    for (int i = 0; i < error_value_count(session.error.kind); ++i) {
      text += ' ';
      append_number(text, session.error.entered[i]);
    }
  }
  return text;
}

}  // namespace

extern "C" {

// Reads the random tables embedded at /data; 0, or 1 with the reason in agv_text().
EMSCRIPTEN_KEEPALIVE int agv_start() {
  State& s = state();
  s.ws = std::make_unique<Workspace>();
  s.spare = std::make_unique<Workspace>();
  std::string message;
  if (!read_normal_tables(&s.tables, "/data", &message)) {
    hand_out(message);
    return 1;
  }
  return 0;
}

// Sets the language of the texts: 0 Japanese, 1 English.
EMSCRIPTEN_KEEPALIVE void agv_set_language(int language) {
  set_language(language == 1 ? Language::en : Language::ja);
}

// Computes the setting of an exporter command line ("--path 11 --error 4 5 10"). Returns
// the exporter's status: 0 computed, 2 not a setting (the reason in agv_text()), 3 refused
// (the refusal in agv_text(); the last computed motion stays shown).
EMSCRIPTEN_KEEPALIVE int agv_compute(const char* options) {
  State& s = state();
  std::vector<std::string> words = words_of(options);
  words.insert(words.begin(), "agvsim-export");
  std::vector<const char*> args;
  for (const std::string& w : words) args.push_back(w.c_str());
  CommandLine line;
  std::string error;
  if (!parse_command_line(static_cast<int>(args.size()), args.data(), &line, &error)) {
    hand_out(error);
    return 2;
  }
  const Scenario scenario = command_line_scenario(line);
  const double start = emscripten_get_now();
  // Into the spare workspace, which becomes the shown one only when the computation
  // succeeds: a refusal leaves the last motion shown, as the window does.
  const ComputeResult result = compute(scenario, s.tables, *s.spare);
  s.compute_ms = emscripten_get_now() - start;
  if (result.refusal != Refusal::none) {
    s.ghost_ready = false;  // the spare holds a part of the refused run
    hand_out(refusal_text(result));
    return 3;
  }
  std::swap(s.ws, s.spare);
  s.ghost_ready = s.computed;
  if (options != s.live_options) {
    // Set from the page's controls or its address: the keys go on from this setting.
    s.session.path_no = scenario.path.number;
    session_path(s.session, s.session.path_no) = scenario.path;
    s.session.error = scenario.error;
    live_settings_from(s.live, s.session);
  }
  s.line = line;
  s.scenario = scenario;
  s.result = result;
  s.computed = true;
  return 0;
}

EMSCRIPTEN_KEEPALIVE double agv_compute_ms() {
  return state().compute_ms;
}

EMSCRIPTEN_KEEPALIVE const char* agv_text() {
  return state().text.c_str();
}

// The CSV agvsim-export writes for the last computation: --out (wheels 0) or --wheels.
EMSCRIPTEN_KEEPALIVE const char* agv_csv(int wheels) {
  State& s = state();
  if (!s.computed) return hand_out("");
  char* data = nullptr;
  std::size_t size = 0;
  std::FILE* out = open_memstream(&data, &size);
  if (!out) return hand_out("");
  if (wheels) {
    write_wheel_csv(out, s.line, s.scenario, s.result, s.ws->store);
  } else {
    write_trajectory_csv(out, s.line, s.scenario, s.result, s.ws->store);
  }
  std::fclose(out);
  std::string text(data, size);
  std::free(data);
  return hand_out(std::move(text));
}

// The last record of a type (1-3) of the last computation; -1 when none.
EMSCRIPTEN_KEEPALIVE int agv_last_step(int type) {
  const State& s = state();
  if (!s.computed || type < 1 || type > agv_type_count) return -1;
  return s.ws->store.traj_last[type - 1];
}

// Motion time in seconds of a record.
EMSCRIPTEN_KEEPALIVE double agv_step_time(int type, int step) {
  const State& s = state();
  if (!s.computed) return 0.0;
  return record_time(s.ws->store, s.scenario, static_cast<AgvType>(type), step);
}

// The projector-style frame of the last computation in a width x height picture as JSON
// (docs/frame-json.md): type 1-3 at a record, the motion fitted to the picture, then
// zoomed by `zoom` about the centre and moved by (dx, dy) window units. With `compare` the
// three types side by side instead, in the largest square of the picture, as the window's
// 'm' shows them. With `ghost` the faulty motion of the setting before, faint ('b').
EMSCRIPTEN_KEEPALIVE const char* agv_frame(int width, int height, int type, int step, double zoom,
                                           double dx, double dy, int playing, int speed,
                                           int compare, int ghost) {
  State& s = state();
  if (!s.computed) return hand_out("");
  const auto t = static_cast<AgvType>(type);
  View view{view_scale0, 0.0, 0.0, 0.0, 0.0};
  if (compare) {
    fit_compare_view(s.ws->store, s.result.path.start_point, s.result.path.end_point, &view);
  } else {
    fit_projector_view(s.ws->store, s.result, t, width, height, &view);
  }
  view.view_scale *= zoom;
  view.view_dx = view.view_dx * zoom + dx;
  view.view_dy = view.view_dy * zoom + dy;
  FrameInput in = frame_input({&s.ws->store, &s.scenario, &s.result, t, step, view, true,
                               playing != 0, speed, std::max(1, std::min(width, height)),
                               FrameStyle::projector, language(), width, height});
  in.compare_shown = compare != 0;
  if (ghost && s.ghost_ready) in.scene.ghost = &s.spare->store;
  compose_frame(s.list, in);
  frame_json(s.list, width, height, &s.frame);
  return s.frame.c_str();
}

// A setting key of the window on the last computed setting: 0 select the next (amount 1)
// or previous (-1) value, 1 change the selected value by `amount` tenths, 2 the next or
// previous error kind, 3 no error, 4 the next or previous path. Returns the new setting as
// options for agv_compute, or "" when the setting stays as it was (a selection, a refusal).
EMSCRIPTEN_KEEPALIVE const char* agv_live_key(int action, int amount) {
  State& s = state();
  bool changed = true;
  switch (action) {
    case 0:
      live_select(s.live, amount);
      changed = false;
      break;
    case 1:
      changed = live_step(s.live, s.session, amount);
      break;
    case 2:
      live_next_kind(s.live, s.session, amount);
      break;
    case 3:
      changed = live_no_error(s.live, s.session);
      break;
    case 4:
      live_next_path(s.live, s.session, amount);
      break;
    default:
      changed = false;
  }
  if (!changed) return hand_out("");
  s.live_options = session_options(s.session);
  return hand_out(s.live_options);
}

// The value the keys change: its place among the error's values, then the path's constants.
EMSCRIPTEN_KEEPALIVE int agv_live_selected() {
  return state().live.selected;
}

// Reads a number as the dialogue does (fractions, full-width forms): 0 and the value in
// agv_number(), or the NumberError.
EMSCRIPTEN_KEEPALIVE int agv_read_number(const char* text) {
  double v = 0.0;
  const NumberError error = parse_number(text, &v);
  if (error == NumberError::none) state().number = v;
  return static_cast<int>(error);
}

EMSCRIPTEN_KEEPALIVE double agv_number() {
  return state().number;
}

// The paths and their enterable constants as JSON:
// [{"number":1,"constants":[["cosine_A",1.5],...]},...].
EMSCRIPTEN_KEEPALIVE const char* agv_paths() {
  std::string json = "[";
  for (const PathDescriptor& p : path_table) {
    if (json.size() > 1) json += ',';
    json += "{\"number\":" + std::to_string(p.number) + ",\"constants\":[";
    for (int i = 0; i < p.entered_count; ++i) {
      char value[32];
      std::snprintf(value, sizeof value, "%.17g", p.constants[i].default_value);
      json += std::string(i ? "," : "") + "[\"" + p.constants[i].name + "\"," + value + "]";
    }
    json += "]}";
  }
  return hand_out(json + "]");
}

// The page's own words in the language of the texts, from the catalogue, as a JSON object
// {"title": "...", ...}; entries marked c-format in the catalogue are printf formats.
EMSCRIPTEN_KEEPALIVE const char* agv_page_words() {
  static constexpr std::pair<const char*, Msg> words[] = {
      {"title", Msg::page_title},
      {"language", Msg::page_language},
      {"path", Msg::page_path},
      {"pathN", Msg::page_path_n},
      {"kind", Msg::page_kind},
      {"kind0", Msg::page_kind_0},
      {"kind1", Msg::page_kind_1},
      {"kind2", Msg::page_kind_2},
      {"kind3", Msg::page_kind_3},
      {"kind4", Msg::page_kind_4},
      {"kind5", Msg::page_kind_5},
      {"left", Msg::page_value_left},
      {"right", Msg::page_value_right},
      {"radius", Msg::page_value_radius},
      {"drift", Msg::page_value_drift},
      {"wheelBase", Msg::page_value_wheelbase},
      {"tread", Msg::page_value_tread},
      {"slip", Msg::page_value_slip},
      {"type", Msg::page_type},
      {"compare", Msg::page_compare},
      {"play", Msg::page_play},
      {"pause", Msg::page_pause},
      {"speed", Msg::page_speed},
      {"time", Msg::page_time},
      {"fit", Msg::page_fit},
      {"png", Msg::page_png},
      {"gif", Msg::page_gif},
      {"csv", Msg::page_csv},
      {"wheels", Msg::page_wheels},
      {"canvas", Msg::page_canvas},
      {"gifMaking", Msg::page_gif_making},
      {"gifDone", Msg::page_gif_done},
      {"gifStopped", Msg::page_gif_stopped},
      {"keys", Msg::page_keys},
  };
  std::string json = "{";
  for (const auto& [name, id] : words) {
    if (json.size() > 1) json += ',';
    json += std::string("\"") + name + "\":\"";
    for (const char* c = tr(id); *c; ++c) {
      if (*c == '"' || *c == '\\') json += '\\';
      json += *c;
    }
    json += '"';
  }
  return hand_out(json + "}");
}

// Starts a GIF of width x height frames; 0, or 1 with the reason in agv_text(). The page
// puts each frame into agv_gif_pixels() and calls agv_gif_add().
EMSCRIPTEN_KEEPALIVE int agv_gif_start(int width, int height) {
  State& s = state();
  std::vector<unsigned char>().swap(s.gif_bytes);
  if (std::string error = s.gif.start(gif_path, width, height); !error.empty()) {
    hand_out(error);
    return 1;
  }
  s.gif_rgba.assign(4 * static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
  return 0;
}

// Where the page puts a frame: width x height RGBA pixels, top row first (getImageData).
EMSCRIPTEN_KEEPALIVE unsigned char* agv_gif_pixels() {
  return state().gif_rgba.data();
}

// Adds the frame in agv_gif_pixels(), showing a type (1-3) at a record of the last
// computation: its motion time sets how long the GIF shows it. 0, or 1 with the reason.
EMSCRIPTEN_KEEPALIVE int agv_gif_add(int type, int step) {
  State& s = state();
  if (!s.gif.active() || !s.computed) {
    s.gif.cancel();
    hand_out(tr(Msg::gif_not_recording));
    return 1;
  }
  // RGB, bottom row first, as the recording takes frames read back from OpenGL.
  const int w = s.gif.width(), h = s.gif.height();
  unsigned char* out = s.gif.next_frame();
  for (int y = h - 1; y >= 0; --y) {
    const unsigned char* in = s.gif_rgba.data() + 4 * static_cast<std::size_t>(y) * w;
    for (int x = 0; x < w; ++x, in += 4, out += 3) {
      out[0] = in[0], out[1] = in[1], out[2] = in[2];
    }
  }
  const auto t = static_cast<AgvType>(type);
  const std::string error = s.gif.add({t, step, record_time(s.ws->store, s.scenario, t, step)});
  if (error.empty()) return 0;
  hand_out(error);
  return 1;
}

// Writes the file: 0 with its bytes in agv_gif_data() and agv_gif_size(), or 1 with the
// reason in agv_text().
EMSCRIPTEN_KEEPALIVE int agv_gif_finish() {
  State& s = state();
  std::vector<unsigned char>().swap(s.gif_rgba);
  if (std::string error = s.gif.finish(); !error.empty()) {
    hand_out(error);
    return 1;
  }
  std::FILE* in = std::fopen(gif_path, "rb");
  if (in) {
    std::fseek(in, 0, SEEK_END);
    s.gif_bytes.resize(static_cast<std::size_t>(std::max(0L, std::ftell(in))));
    std::rewind(in);
    s.gif_bytes.resize(std::fread(s.gif_bytes.data(), 1, s.gif_bytes.size(), in));
    std::fclose(in);
  }
  std::remove(gif_path);
  if (s.gif_bytes.empty()) {
    hand_out(format_text(tr(Msg::picture_cannot_read), gif_path, std::strerror(errno)));
    return 1;
  }
  return 0;
}

EMSCRIPTEN_KEEPALIVE const unsigned char* agv_gif_data() {
  return state().gif_bytes.data();
}

EMSCRIPTEN_KEEPALIVE int agv_gif_size() {
  return static_cast<int>(state().gif_bytes.size());
}

// Frames stored in the last GIF (equal frames in a row are one) and its length in seconds.
EMSCRIPTEN_KEEPALIVE int agv_gif_frames() {
  return state().gif.written_frames();
}

EMSCRIPTEN_KEEPALIVE double agv_gif_seconds() {
  return state().gif.written_cs() / 100.0;
}

// Drops a recording and the last file's bytes.
EMSCRIPTEN_KEEPALIVE void agv_gif_drop() {
  State& s = state();
  s.gif.cancel();
  std::vector<unsigned char>().swap(s.gif_rgba);
  std::vector<unsigned char>().swap(s.gif_bytes);
}

}  // extern "C"
