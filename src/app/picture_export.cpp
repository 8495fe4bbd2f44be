#include "app/picture_export.h"

#include <algorithm>
#include <cmath>

#include "app/gif_recording.h"
#include "app/playback.h"
#include "app/shown_frame.h"
#include "display/frame.h"
#include "display/frame_capture.h"
#include "display/offscreen_frame.h"
#include "display/window.h"
#include "picture/png_file.h"
#include "platform/console.h"
#include "scene/view_transform.h"

std::vector<int> gif_steps(int last, double dt_sim, double fps) {
  const double records_per_frame = 1.0 / (fps * dt_sim);
  // 1e-9: 50 records a second at 25 frames a second is every second record, not third.
  const int n = std::max(1, static_cast<int>(std::ceil(records_per_frame - 1e-9)));
  std::vector<int> steps;
  for (int step = 0; step < last; step += n) steps.push_back(step);
  steps.push_back(std::max(last, 0));
  return steps;
}

namespace {

const char* const program = "agvsim-export";

}  // namespace

struct PictureExport::Output {
  PngWriter png;
  GifRecording gif;
  OffscreenFrame target;
};

PictureExport::PictureExport() : out_(std::make_unique<Output>()) {}

PictureExport::~PictureExport() = default;

int PictureExport::prepare(const PictureOptions& options) {
  options_ = options;
  if (!options.png_file.empty()) {
    if (std::string error = out_->png.open(options.png_file); !error.empty()) {
      console_error("%s: %s\n", program, error.c_str());
      return 2;
    }
  }
  if (!options.gif_file.empty()) {
    if (std::string error = out_->gif.start(options.gif_file, options.width, options.height);
        !error.empty()) {
      console_error("%s: %s\n", program, error.c_str());
      return 2;
    }
  }
  std::string reason;
  if (!out_->target.open(options.width, options.height, &reason)) {
#ifdef _WIN32
    // Windows always has a display: what failed is its OpenGL driver.
    console_error("%s: 画像を描けない / cannot draw pictures:\n%s\n", program, reason.c_str());
#else
    console_error(
        "%s: 画像を描けない / cannot draw pictures:\n%s\n"
        "画像を描くには OpenGL が要る: X のディスプレイか、ディスプレイがなければ Mesa の EGL"
        "（Debian パッケージ libegl1 と libegl-mesa0）\n"
        "Pictures need OpenGL: an X display or, without one, Mesa's EGL (Debian packages "
        "libegl1 and libegl-mesa0).\n",
        program, reason.c_str());
#endif
    return 2;
  }
  return 0;
}

int PictureExport::write(const Scenario& scenario, const ComputeResult& result,
                         const TrajectoryStore& store) {
  const int width = options_.width;
  const int height = options_.height;
  const int picture_px = picture_box(width, height).side;
  const auto view_of = [&](AgvType type) {
    View view = default_view();
    view.view_scale = view_scale0;
    if (options_.fit) fit_view_to_motion(store, result, type, &view);
    return view;
  };
  const auto draw = [&](AgvType type, int step, const View& view, bool playing) {
    compose_frame(frame_input({&store, &scenario, &result, type, step, view, options_.status,
                               playing, normal_speed, picture_px}));
  };
  const auto last_of = [&](AgvType type) {
    return std::clamp(store.traj_last[type_index(type)], 0, MAX - 1);
  };

  int status = 0;
  if (!options_.png_file.empty()) {
    const AgvType type = static_cast<AgvType>(options_.type);
    const int last = last_of(type);
    int step = options_.step < 0 ? last : options_.step;
    if (step > last) {
      console_error(
          "%s: step %d is past the end of type %d, whose last record is %d: the end is drawn"
          " / 刻み %d は最後の刻み %d より後なので、最後を描く\n",
          program, step, options_.type, last, step, last);
      step = last;
    }
    std::vector<unsigned char> pixels(3 * static_cast<std::size_t>(width) * height);
    draw(type, step, view_of(type), false);
    read_frame(width, height, pixels.data());
    if (std::string error = out_->png.write(width, height, pixels.data()); !error.empty()) {
      console_error("%s: %s\n", program, error.c_str());
      status = 1;
    }
  }
  if (out_->gif.active()) {
    std::vector<AgvType> types;
    if (options_.type == 0) {
      types.assign(std::begin(agv_types), std::end(agv_types));
    } else {
      types.push_back(static_cast<AgvType>(options_.type));
    }
    std::string error;
    for (AgvType type : types) {
      const View view = view_of(type);
      for (int step : gif_steps(last_of(type), scenario.vehicle.dt_sim, options_.fps)) {
        if (!error.empty()) break;
        draw(type, step, view, true);
        read_frame(width, height, out_->gif.next_frame());
        error = out_->gif.add({type, step, record_time(store, scenario, type, step)});
      }
    }
    if (error.empty()) error = out_->gif.finish();
    if (!error.empty()) {
      console_error("%s: %s\n", program, error.c_str());
      status = 1;
    }
  }
  return status;
}
