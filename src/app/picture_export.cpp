#include "app/picture_export.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "app/gif_recording.h"
#include "app/playback.h"
#include "app/shown_frame.h"
#include "display/compare_view.h"
#include "display/frame.h"
#include "display/frame_json.h"
#include "display/picture_box.h"
#include "gl/frame_capture.h"
#include "gl/offscreen_frame.h"
#include "gl/renderer.h"
#include "gl/window.h"
#include "picture/png_file.h"
#include "platform/catalogue.h"
#include "platform/console.h"
#include "platform/replacing_file.h"
#include "scene/draw_list.h"
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
  ReplacingFile frame;  // --frame
  OffscreenFrame target;
  DrawList list;
  GlRenderer renderer;
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
  if (!options.frame_file.empty()) {
    if (std::string error = out_->frame.create(options.frame_file); !error.empty()) {
      console_error("%s: %s\n", program, error.c_str());
      return 2;
    }
  }
  if (!options.drawn()) return 0;
  std::string reason;
  if (!out_->target.open(options.width, options.height, &reason)) {
#ifdef _WIN32
    // Windows always has a display: what failed is its OpenGL driver.
    console_error(tr(Msg::pictures_no_gl_win32), program, reason.c_str());
#else
    console_error(tr(Msg::pictures_no_gl), program, reason.c_str());
#endif
    return 2;
  }
  return 0;
}

int PictureExport::write_frame_json(int width, int height) {
  const std::string json = frame_json(out_->list, width, height);
  std::string error;
  if (std::fwrite(json.data(), 1, json.size(), out_->frame.stream()) == json.size()) {
    error = out_->frame.commit();
  } else {
    error = format_text(tr(Msg::write_failed), options_.frame_file.c_str(), std::strerror(errno));
    out_->frame.discard();
  }
  if (error.empty()) return 0;
  console_error("%s: %s\n", program, error.c_str());
  return 1;
}

int PictureExport::write(const Scenario& scenario, const ComputeResult& result,
                         const TrajectoryStore& store) {
  const int width = options_.width;
  const int height = options_.height;
  const int picture_px = picture_box(width, height).side;
  const FrameStyle style = options_.projector ? FrameStyle::projector : FrameStyle::classic;
  const auto view_of = [&](AgvType type) {
    View view = default_view();
    view.view_scale = view_scale0;
    if (options_.compare) {
      fit_compare_view(store, result.path.start_point, result.path.end_point, &view);
    } else if (style == FrameStyle::projector) {
      fit_projector_view(store, result, type, width, height, &view);
    } else if (options_.fit) {
      fit_view_to_motion(store, result, type, &view);
    }
    return view;
  };
  const auto compose = [&](AgvType type, int step, const View& view, bool playing) {
    FrameInput f =
        frame_input({&store, &scenario, &result, type, step, view, options_.status, playing,
                     normal_speed, picture_px, style, language(), width, height});
    f.compare_shown = options_.compare;
    compose_frame(out_->list, f);
  };
  const auto draw_composed = [&] {
    set_frame_viewport(frame_box(out_->list, width, height));
    out_->renderer.draw_picture(out_->list);
  };
  const auto draw = [&](AgvType type, int step, const View& view, bool playing) {
    compose(type, step, view, playing);
    draw_composed();
  };
  const auto last_of = [&](AgvType type) {
    if (options_.compare) {
      return std::clamp(std::max({store.traj_last[0], store.traj_last[1], store.traj_last[2]}), 0,
                        MAX - 1);
    }
    return std::clamp(store.traj_last[type_index(type)], 0, MAX - 1);
  };

  int status = 0;
  if (options_.one_frame()) {
    const AgvType type = static_cast<AgvType>(options_.type);
    const int last = last_of(type);
    int step = options_.step < 0 ? last : options_.step;
    if (step > last) {
      console_error(tr(Msg::pictures_step_past_end), program, step, options_.type, last, step,
                    last);
      step = last;
    }
    compose(type, step, view_of(type), false);
    if (!options_.frame_file.empty() && write_frame_json(width, height) != 0) status = 1;
    if (!options_.png_file.empty()) {
      std::vector<unsigned char> pixels(3 * static_cast<std::size_t>(width) * height);
      draw_composed();
      read_frame(width, height, pixels.data());
      if (std::string error = out_->png.write(width, height, pixels.data()); !error.empty()) {
        console_error("%s: %s\n", program, error.c_str());
        status = 1;
      }
    }
  }
  if (out_->gif.active()) {
    std::vector<AgvType> types;
    if (options_.type == 0 && !options_.compare) {
      types.assign(std::begin(agv_types), std::end(agv_types));
    } else {
      // Side by side the three types play together.
      types.push_back(options_.type == 0 ? AgvType::t2DW1C : static_cast<AgvType>(options_.type));
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
