#include "picture/gif_file.h"

#include <gif_lib.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/catalogue.h"

namespace {

constexpr int max_delay_cs = 65535;  // a GIF delay is a 16-bit number
// The palette entry of pixels left as the previous frame shows them; not an RGB colour.
constexpr std::uint32_t unchanged = 0x1000000;

std::string cannot_write(const std::string& path, const std::string& why) {
  return format_text(tr(Msg::picture_cannot_write), path.c_str(), why.c_str());
}

struct MapDeleter {
  void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};
using ColourMap = std::unique_ptr<ColorMapObject, MapDeleter>;

// A palette of the given colours, padded to the power of two a GIF palette must have.
ColourMap make_map(const std::vector<std::uint32_t>& colours) {
  int size = 2;
  while (size < static_cast<int>(colours.size())) size *= 2;
  std::vector<GifColorType> entries(size, GifColorType{0, 0, 0});
  for (std::size_t i = 0; i < colours.size(); ++i) {
    entries[i] = {static_cast<GifByteType>(colours[i] >> 16),
                  static_cast<GifByteType>(colours[i] >> 8), static_cast<GifByteType>(colours[i])};
  }
  return ColourMap(GifMakeMapObject(size, entries.data()));
}

// giflib writes through this into the temporary file and keeps the reason of a failure.
struct Output {
  std::FILE* file;
  int error = 0;
};

int write_output(GifFileType* gif, const GifByteType* data, int length) {
  auto* out = static_cast<Output*>(gif->UserData);
  const std::size_t written = std::fwrite(data, 1, static_cast<std::size_t>(length), out->file);
  if (written != static_cast<std::size_t>(length) && !out->error) out->error = errno;
  return static_cast<int>(written);
}

}  // namespace

std::size_t GifWriter::memory_bytes() const {
  std::size_t bytes = previous_.capacity();
  for (const Frame& f : frames_) {
    bytes += sizeof f + f.indices.capacity() + f.colours.capacity() * sizeof(std::uint32_t);
  }
  return bytes + colour_ids_.size() * 32;  // about a hash node per colour
}

std::string GifWriter::open(const std::string& path, int width, int height) {
  reset();
  file_.discard();
  // The GIF screen size is a 16-bit number.
  if (width <= 0 || height <= 0 || width > 65535 || height > 65535) {
    return cannot_write(path, format_text(tr(Msg::picture_bad_size), width, height));
  }
  if (std::string error = file_.create(path); !error.empty()) return error;
  path_ = path;
  width_ = width;
  height_ = height;
  return {};
}

std::string GifWriter::fail(std::string reason) {
  file_.discard();
  reset();
  error_ = std::move(reason);
  return error_;
}

void GifWriter::discard() {
  file_.discard();
  reset();
}

void GifWriter::reset() {
  error_.clear();
  added_ = 0;
  std::vector<unsigned char>().swap(previous_);
  std::vector<Frame>().swap(frames_);
  std::unordered_map<std::uint32_t, int>().swap(colour_ids_);
}

std::string GifWriter::add_frame(const unsigned char* pixels, int delay_cs, std::size_t row_bytes) {
  if (!error_.empty()) return error_;
  if (!file_.is_open()) return tr(Msg::gif_not_recording);
  ++added_;
  const std::size_t packed = 3 * static_cast<std::size_t>(width_);
  if (row_bytes == 0) row_bytes = packed;
  if (!pixels || row_bytes < packed) {
    return fail(cannot_write(path_, format_text(tr(Msg::gif_frame_no_pixels), added_)));
  }
  if (delay_cs < 0 || delay_cs > max_delay_cs) {
    return fail(cannot_write(path_, format_text(tr(Msg::gif_frame_bad_delay), added_, delay_cs)));
  }
  // Row y of the file (top row 0) is row height-1-y of OpenGL's read-back.
  const auto row = [&](int y) {
    return pixels + static_cast<std::size_t>(height_ - 1 - y) * row_bytes;
  };

  // The rectangle that differs from the previous frame; the whole picture for the first.
  int left = 0, right = width_ - 1, top = 0, bottom = height_ - 1;
  if (frames_.empty()) {
    previous_.resize(packed * static_cast<std::size_t>(height_));
  } else {
    left = width_, right = -1, top = height_, bottom = -1;
    for (int y = 0; y < height_; ++y) {
      const unsigned char* now = row(y);
      const unsigned char* before = previous_.data() + packed * static_cast<std::size_t>(y);
      if (std::memcmp(now, before, packed) == 0) continue;
      if (top > y) top = y;
      bottom = y;
      // Only columns outside the rectangle found so far can widen it.
      for (int x = 0; x < left; ++x) {
        if (std::memcmp(now + 3 * x, before + 3 * x, 3) != 0) {
          left = x;
          break;
        }
      }
      for (int x = width_ - 1; x > right; --x) {
        if (std::memcmp(now + 3 * x, before + 3 * x, 3) != 0) {
          right = x;
          break;
        }
      }
    }
    if (right < 0) {  // unchanged: show the previous frame longer
      Frame& last = frames_.back();
      if (last.delay_cs + delay_cs <= max_delay_cs) {
        last.delay_cs += delay_cs;
        return {};
      }
      left = right = top = bottom = 0;
    }
  }

  Frame f;
  f.left = left;
  f.top = top;
  f.width = right - left + 1;
  f.height = bottom - top + 1;
  f.delay_cs = delay_cs;
  f.indices.resize(static_cast<std::size_t>(f.width) * f.height);
  // Palette indices of the rectangle. With `transparent`, pixels as in the previous frame
  // share one transparent entry: the viewer keeps what it shows there, and the long runs of
  // that one index compress far better than the picture they cover (a caption and a
  // vehicle far apart give a large rectangle of mostly unchanged pixels). False when the
  // rectangle needs more than 256 entries.
  const auto index_pixels = [&](bool transparent) {
    f.colours.clear();
    f.transparent = -1;
    std::unordered_map<std::uint32_t, std::uint8_t> index_of;
    std::uint32_t last_colour = 0xffffffff;  // no colour: the first pixel is looked up
    std::uint8_t last_index = 0;
    std::uint8_t* out = f.indices.data();
    for (int y = top; y <= bottom; ++y) {
      const unsigned char* p = row(y) + 3 * left;
      const unsigned char* before =
          previous_.data() + packed * static_cast<std::size_t>(y) + 3 * left;
      for (int x = left; x <= right; ++x, p += 3, before += 3) {
        std::uint32_t colour = std::uint32_t{p[0]} << 16 | std::uint32_t{p[1]} << 8 | p[2];
        if (transparent && std::memcmp(p, before, 3) == 0) colour = unchanged;
        if (colour != last_colour) {
          auto found = index_of.find(colour);
          if (found == index_of.end()) {
            if (f.colours.size() == 256) return false;
            if (colour == unchanged) f.transparent = static_cast<int>(f.colours.size());
            found = index_of.emplace(colour, static_cast<std::uint8_t>(f.colours.size())).first;
            f.colours.push_back(colour);
          }
          last_colour = colour;
          last_index = found->second;
        }
        *out++ = last_index;
      }
    }
    return true;
  };
  // A rectangle of more colours than a palette holds (antialiased text, translucent
  // shapes) gets the 255 (or 256) colours that represent it best, giflib's median cut;
  // unchanged pixels stay transparent. What is compared with the next frame stays the
  // frame's own pixels: a pixel that does not change keeps the colour it was shown in.
  const auto quantise_pixels = [&](bool transparent) {
    const std::size_t n = static_cast<std::size_t>(f.width) * f.height;
    std::vector<GifByteType> r(n), g(n), b(n);
    std::vector<bool> same(n, false);
    std::size_t i = 0;
    for (int y = top; y <= bottom; ++y) {
      const unsigned char* p = row(y) + 3 * left;
      const unsigned char* before =
          previous_.data() + packed * static_cast<std::size_t>(y) + 3 * left;
      for (int x = left; x <= right; ++x, p += 3, before += 3, ++i) {
        r[i] = p[0];
        g[i] = p[1];
        b[i] = p[2];
        same[i] = transparent && std::memcmp(p, before, 3) == 0;
      }
    }
    int size = transparent ? 255 : 256;
    std::vector<GifColorType> map(256);
    if (GifQuantizeBuffer(static_cast<unsigned>(f.width), static_cast<unsigned>(f.height), &size,
                          r.data(), g.data(), b.data(), f.indices.data(), map.data()) != GIF_OK) {
      return false;
    }
    f.colours.clear();
    for (int k = 0; k < size; ++k) {
      f.colours.push_back(std::uint32_t{map[k].Red} << 16 | std::uint32_t{map[k].Green} << 8 |
                          map[k].Blue);
    }
    f.transparent = -1;
    if (transparent) {
      f.transparent = size;
      f.colours.push_back(unchanged);
      for (std::size_t k = 0; k < n; ++k) {
        if (same[k]) f.indices[k] = static_cast<std::uint8_t>(size);
      }
    }
    return true;
  };
  // The first frame has nothing to keep; a rectangle whose colours fill the palette
  // without room for the transparent entry is stored as it is.
  if (!index_pixels(frames_.size() > 0) && (frames_.empty() || !index_pixels(false)) &&
      !quantise_pixels(frames_.size() > 0)) {
    return fail(cannot_write(path_, format_text(tr(Msg::gif_frame_too_many_colours), added_)));
  }
  for (int y = top; y <= bottom; ++y) {
    std::memcpy(previous_.data() + packed * static_cast<std::size_t>(y) + 3 * left,
                row(y) + 3 * left, 3 * static_cast<std::size_t>(f.width));
  }
  for (std::uint32_t colour : f.colours) {
    if (colour != unchanged) colour_ids_.emplace(colour, static_cast<int>(colour_ids_.size()));
  }
  frames_.push_back(std::move(f));
  return {};
}

std::string GifWriter::finish() {
  if (!error_.empty()) {
    std::string error = std::move(error_);
    reset();
    return error;
  }
  if (!file_.is_open()) return tr(Msg::gif_not_recording);
  std::string error = frames_.empty() ? cannot_write(path_, tr(Msg::gif_no_frames)) : write_file();
  if (error.empty()) {
    error = file_.commit();
  } else {
    file_.discard();
  }
  reset();
  return error;
}

std::string GifWriter::write_file() {
  Output output{file_.stream()};
  int code = 0;
  GifFileType* gif = EGifOpen(&output, write_output, &code);
  if (!gif) return cannot_write(path_, GifErrorString(code));
  EGifSetGifVersion(gif, true);  // delays and looping need GIF89a

  // One global palette when every colour (and the transparent entry, if a frame uses it)
  // fits in it; each frame's own palette otherwise.
  const bool any_transparent = std::any_of(frames_.begin(), frames_.end(),
                                           [](const Frame& f) { return f.transparent >= 0; });
  const int global_transparent = static_cast<int>(colour_ids_.size());  // after the colours
  const bool global = colour_ids_.size() + any_transparent <= 256;
  ColourMap global_map;
  if (global) {
    std::vector<std::uint32_t> colours(colour_ids_.size() + any_transparent, 0);
    for (const auto& [colour, id] : colour_ids_) colours[id] = colour;
    global_map = make_map(colours);
  }
  bool ok = (!global || global_map) &&
            EGifPutScreenDesc(gif, width_, height_, 8, 0, global_map.get()) == GIF_OK;

  // The application block that makes viewers loop the animation; 0 repeats for ever.
  static const GifByteType netscape[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
  static const GifByteType loop_for_ever[] = {1, 0, 0};
  ok = ok && EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
       EGifPutExtensionBlock(gif, sizeof netscape, netscape) == GIF_OK &&
       EGifPutExtensionBlock(gif, sizeof loop_for_ever, loop_for_ever) == GIF_OK &&
       EGifPutExtensionTrailer(gif) == GIF_OK;

  std::vector<GifPixelType> line(static_cast<std::size_t>(width_));
  GifPixelType to_palette[256];
  for (const Frame& f : frames_) {
    if (!ok) break;
    // "Do not dispose": the next rectangle is drawn over this frame.
    const int transparent = f.transparent < 0 ? NO_TRANSPARENT_COLOR
                            : global          ? global_transparent
                                              : f.transparent;
    GraphicsControlBlock control{DISPOSE_DO_NOT, false, f.delay_cs, transparent};
    GifByteType extension[4];
    const std::size_t length = EGifGCBToExtension(&control, extension);
    ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) ==
         GIF_OK;
    ColourMap local_map;
    for (std::size_t i = 0; i < f.colours.size(); ++i) {
      const bool kept = static_cast<int>(i) == f.transparent;
      to_palette[i] = static_cast<GifPixelType>(!global ? i
                                                : kept  ? global_transparent
                                                        : colour_ids_.at(f.colours[i]));
    }
    if (!global) {
      local_map = make_map(f.colours);
      ok = ok && local_map;
    }
    ok = ok &&
         EGifPutImageDesc(gif, f.left, f.top, f.width, f.height, false, local_map.get()) == GIF_OK;
    const std::uint8_t* in = f.indices.data();
    for (int y = 0; ok && y < f.height; ++y) {
      for (int x = 0; x < f.width; ++x) line[x] = to_palette[*in++];
      ok = EGifPutLine(gif, line.data(), f.width) == GIF_OK;
    }
  }
  code = gif->Error;
  int close_code = 0;
  if (EGifCloseFile(gif, &close_code) != GIF_OK && ok) {
    ok = false;
    code = close_code;
  }
  if (ok && output.error == 0) return {};
  // giflib's reason and the system's for a write that failed, as far as they are known.
  const std::string system = output.error ? std::strerror(output.error) : "";
  if (code == 0 && !system.empty()) return cannot_write(path_, system);
  std::string why = GifErrorString(code ? code : E_GIF_ERR_WRITE_FAILED);
  if (!system.empty()) why += " (" + system + ")";
  return cannot_write(path_, why);
}

namespace {

struct GifCloser {
  void operator()(GifFileType* gif) const { DGifCloseFile(gif, nullptr); }
};

// The loop count of a NETSCAPE2.0 block among the blocks, or -1.
int loop_count(const ExtensionBlock* blocks, int count) {
  for (int i = 0; i + 1 < count; ++i) {
    const ExtensionBlock& app = blocks[i];
    const ExtensionBlock& data = blocks[i + 1];
    if (app.Function == APPLICATION_EXT_FUNC_CODE && app.ByteCount == 11 &&
        std::memcmp(app.Bytes, "NETSCAPE2.0", 11) == 0 && data.Function == CONTINUE_EXT_FUNC_CODE &&
        data.ByteCount == 3 && data.Bytes[0] == 1) {
      return data.Bytes[1] | data.Bytes[2] << 8;
    }
  }
  return -1;
}

}  // namespace

std::string read_gif_file(const std::string& path, GifAnimation& animation,
                          const std::function<void(int, const RgbImage&)>& on_frame) {
  const auto failure = [&](const std::string& why) {
    return format_text(tr(Msg::picture_cannot_read), path.c_str(), why.c_str());
  };
  const auto frame_failure = [&](Msg why, int frame) {
    return failure(format_text(tr(why), frame));
  };
  int code = 0;
  std::unique_ptr<GifFileType, GifCloser> gif(DGifOpenFileName(path.c_str(), &code));
  if (!gif) return failure(GifErrorString(code));
  if (DGifSlurp(gif.get()) != GIF_OK) return failure(GifErrorString(gif->Error));

  GifAnimation read;
  read.width = gif->SWidth;
  read.height = gif->SHeight;
  read.global_palette = gif->SColorMap != nullptr;
  RgbImage canvas{read.width, read.height, {}};
  canvas.rgb.assign(3 * static_cast<std::size_t>(read.width) * read.height, 0);
  if (gif->SColorMap && gif->SBackGroundColor < gif->SColorMap->ColorCount) {
    const GifColorType& bg = gif->SColorMap->Colors[gif->SBackGroundColor];
    for (std::size_t i = 0; i < canvas.rgb.size(); i += 3) {
      canvas.rgb[i] = bg.Red, canvas.rgb[i + 1] = bg.Green, canvas.rgb[i + 2] = bg.Blue;
    }
  }
  const std::vector<unsigned char> background = canvas.rgb;
  std::vector<unsigned char> before;  // the canvas to restore after a "previous" disposal

  for (int n = 0; n < gif->ImageCount; ++n) {
    const SavedImage& image = gif->SavedImages[n];
    const GifImageDesc& d = image.ImageDesc;
    if (read.loop_count < 0) {
      read.loop_count = loop_count(image.ExtensionBlocks, image.ExtensionBlockCount);
    }
    GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
    DGifSavedExtensionToGCB(gif.get(), n, &control);  // keeps the defaults without a block
    read.frames.push_back({d.Left, d.Top, d.Width, d.Height, control.DelayTime,
                           control.DisposalMode, d.ColorMap != nullptr});
    const ColorMapObject* map = d.ColorMap ? d.ColorMap : gif->SColorMap;
    if (!map) return frame_failure(Msg::gif_frame_no_palette, n + 1);
    if (d.Left < 0 || d.Top < 0 || d.Width < 0 || d.Height < 0 || d.Left + d.Width > read.width ||
        d.Top + d.Height > read.height) {
      return frame_failure(Msg::gif_frame_outside, n + 1);
    }
    if (control.DisposalMode == DISPOSE_PREVIOUS) before = canvas.rgb;
    const GifByteType* in = image.RasterBits;
    for (int y = d.Top; y < d.Top + d.Height; ++y) {
      unsigned char* out =
          canvas.rgb.data() + 3 * (static_cast<std::size_t>(y) * read.width + d.Left);
      for (int x = 0; x < d.Width; ++x, ++in, out += 3) {
        if (*in == control.TransparentColor) continue;
        if (*in >= map->ColorCount)
          return frame_failure(Msg::gif_frame_pixel_outside_palette, n + 1);
        const GifColorType& c = map->Colors[*in];
        out[0] = c.Red, out[1] = c.Green, out[2] = c.Blue;
      }
    }
    on_frame(n, canvas);
    // Prepare the canvas of the next frame as the disposal of this one says.
    if (control.DisposalMode == DISPOSE_BACKGROUND || control.DisposalMode == DISPOSE_PREVIOUS) {
      const std::vector<unsigned char>& source =
          control.DisposalMode == DISPOSE_PREVIOUS ? before : background;
      for (int y = d.Top; y < d.Top + d.Height; ++y) {
        const std::size_t at = 3 * (static_cast<std::size_t>(y) * read.width + d.Left);
        std::memcpy(canvas.rgb.data() + at, source.data() + at,
                    3 * static_cast<std::size_t>(d.Width));
      }
    }
  }
  if (read.loop_count < 0)
    read.loop_count = loop_count(gif->ExtensionBlocks, gif->ExtensionBlockCount);
  animation = std::move(read);
  return {};
}

std::string read_gif_file(const std::string& path, GifAnimation& animation,
                          std::vector<RgbImage>& pictures) {
  std::vector<RgbImage> kept;
  std::string error = read_gif_file(path, animation,
                                    [&](int, const RgbImage& picture) { kept.push_back(picture); });
  if (error.empty()) pictures = std::move(kept);
  return error;
}
