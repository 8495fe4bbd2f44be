// PictureExport of a build without pictures (AGV_WITH_PICTURES off): no OpenGL, no window
// library, no PNG or GIF library. Every picture is refused before the computation.
#include "app/picture_export.h"

#include "platform/catalogue.h"
#include "platform/console.h"

struct PictureExport::Output {};

PictureExport::PictureExport() = default;

PictureExport::~PictureExport() = default;

int PictureExport::prepare(const PictureOptions& options) {
  options_ = options;
  console_error("%s", tr(Msg::pictures_not_built));
  return 2;
}

int PictureExport::write(const Scenario& /*scenario*/, const ComputeResult& /*result*/,
                         const TrajectoryStore& /*store*/) {
  return 2;
}
