#include "sim/compute_cache.h"

#include <cstdint>
#include <cstring>

namespace {

// Bit for bit (0.0 and -0.0 differ); memcpy, as the browser build's library has no bit_cast.
bool same_bits(double a, double b) {
  std::uint64_t x = 0;
  std::uint64_t y = 0;
  std::memcpy(&x, &a, sizeof x);
  std::memcpy(&y, &b, sizeof y);
  return x == y;
}

bool same_vehicle(const VehicleConstants& a, const VehicleConstants& b) {
  return same_bits(a.Vmax, b.Vmax) && same_bits(a.steer_speed, b.steer_speed) &&
         same_bits(a.dt, b.dt) && same_bits(a.dt_sim, b.dt_sim) && same_bits(a.Ra, b.Ra) &&
         same_bits(a.wheel_base, b.wheel_base) && same_bits(a.tread, b.tread);
}

}  // namespace

void memo_begin_type(ReferenceMemo& memo, int type_index, double tread_err) {
  memo.type = type_index;
  memo.cursor = 0;
  memo.stage_cursor = 0;
  memo.current_tread_err = tread_err;
  memo.on_track =
      memo.stages_filled[type_index] > 0 && same_bits(memo.tread_err[type_index], tread_err);
}

const ReferenceLookup* memo_find(ReferenceMemo& memo, double guess, double s) {
  const ReferenceLookup* e =
      memo.cursor < memo.filled[memo.type] ? &memo.entry[memo.type][memo.cursor] : nullptr;
  if (!e || !same_bits(e->guess, guess) || !same_bits(e->s, s)) {
    memo.on_track = false;  // the reference runs otherwise from here
    return nullptr;
  }
  ++memo.cursor;
  return e;
}

const ReferenceStage* memo_stage(ReferenceMemo& memo) {
  if (!memo.on_track || memo.stage_cursor >= memo.stages_filled[memo.type]) {
    memo.on_track = false;
    return nullptr;
  }
  return &memo.stage[memo.type][memo.stage_cursor++];
}

void memo_keep_stage(ReferenceMemo& memo, const ReferenceStage& stage) {
  memo.on_track = false;
  const int t = memo.type;
  if (memo.stage_cursor >= lookups_per_type) {
    memo.stages_filled[t] = 0;  // no room: nothing of this motion can be taken again
    return;
  }
  memo.stage[t][memo.stage_cursor++] = stage;
  memo.stages_filled[t] = memo.stage_cursor;
  memo.tread_err[t] = memo.current_tread_err;
}

void memo_keep(ReferenceMemo& memo, const ReferenceLookup& lookup) {
  if (memo.cursor >= lookups_per_type) return;
  memo.entry[memo.type][memo.cursor] = lookup;
  ++memo.cursor;
  // Later entries stay: they are taken only where their inputs come again.
  if (memo.cursor > memo.filled[memo.type]) memo.filled[memo.type] = memo.cursor;
}

bool cache_holds(const ComputeCache& cache, const PathChoice& path,
                 const VehicleConstants& vehicle) {
  if (!cache.ready || cache.path.number != path.number || !same_vehicle(cache.vehicle, vehicle))
    return false;
  for (int i = 0; i < max_path_constants; ++i) {
    if (!same_bits(cache.path.constants[i], path.constants[i])) return false;
  }
  return true;
}

void cache_reset(ComputeCache& cache, const PathChoice& path, const VehicleConstants& vehicle) {
  cache.ready = true;
  cache.path = path;
  cache.vehicle = vehicle;
  for (int& f : cache.memo.filled) f = 0;
  for (int& f : cache.memo.stages_filled) f = 0;
  cache.memo.type = 0;
  cache.memo.cursor = 0;
}
