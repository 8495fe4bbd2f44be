#include "control/refusal_text.h"

#include "path/arc_length.h"
#include "platform/catalogue.h"

std::string path_refusal_text(int I, const PathCheck& check) {
  switch (check.refusal) {
    case PathRefusal::none:
      return std::string();
    case PathRefusal::end_param_too_large:
      return format_text(tr(Msg::refusal_end_param), I, check.end_param, max_end_param);
    case PathRefusal::too_long:
      return format_text(tr(Msg::refusal_too_long), I, check.length, check.smax);
    case PathRefusal::too_short:
      return format_text(tr(Msg::refusal_too_short), I, check.length);
  }
  return std::string();
}

std::string refusal_text(const ComputeResult& r) {
  switch (r.refusal) {
    case Refusal::none:
      return std::string();
    case Refusal::unknown_path:
      return format_text(tr(Msg::refusal_unknown_path), r.path_no, r.path_no);
    case Refusal::end_param_too_large:
    case Refusal::path_too_long:
    case Refusal::path_too_short:
      return path_refusal_text(r.path_no, r.check);
    case Refusal::too_many_records:
      return format_text(tr(Msg::refusal_too_many_records), r.path_no,
                         static_cast<int>(r.failed_type), MAX, MAX);
    case Refusal::impossible_error: {
      Msg id;
      if (!error_fault_message(r.fault, &id)) return std::string();
      return format_text(tr(Msg::refusal_impossible_error), tr(id), text(Language::en, id));
    }
    case Refusal::not_finite:
      return tr(Msg::refusal_not_finite);
  }
  return std::string();
}

bool error_fault_message(ErrorFault fault, Msg* id) {
  switch (fault) {
    case ErrorFault::none:
      return false;
    case ErrorFault::rear_wheel_radius:
      *id = Msg::fault_rear_wheel_radius;
      return true;
    case ErrorFault::front_wheel_radius:
      *id = Msg::fault_front_wheel_radius;
      return true;
    case ErrorFault::wheel_base:
      *id = Msg::fault_wheel_base;
      return true;
    case ErrorFault::tread:
      *id = Msg::fault_tread;
      return true;
    case ErrorFault::slip:
      *id = Msg::fault_slip;
      return true;
  }
  return false;
}

const char* error_fault_japanese(ErrorFault fault) {
  Msg id;
  return error_fault_message(fault, &id) ? text(Language::ja, id) : "";
}

const char* error_fault_english(ErrorFault fault) {
  Msg id;
  return error_fault_message(fault, &id) ? text(Language::en, id) : "";
}

std::string error_fault_text(ErrorFault fault) {
  Msg id;
  if (!error_fault_message(fault, &id)) return std::string();
  return format_text(tr(Msg::error_value_again), tr(id), text(Language::en, id));
}
