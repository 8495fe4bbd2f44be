// PictureExport of a build without pictures (AGV_WITH_PICTURES off): no OpenGL, no window
// library, no PNG or GIF library. Every picture is refused before the computation.
#include "app/picture_export.h"

#include "platform/console.h"

struct PictureExport::Output {};

PictureExport::PictureExport() = default;

PictureExport::~PictureExport() = default;

int PictureExport::prepare(const PictureOptions& options) {
  options_ = options;
  console_error(
      "agvsim-export: この版には画像の機能が入っていない (--png, --gif, --frame)\n"
      "agvsim-export: pictures are not built into this build (--png, --gif, --frame): it was "
      "configured with AGV_WITH_PICTURES=OFF\n");
  return 2;
}

int PictureExport::write(const Scenario& /*scenario*/, const ComputeResult& /*result*/,
                         const TrajectoryStore& /*store*/) {
  return 2;
}
