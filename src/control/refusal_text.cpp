#include "control/refusal_text.h"

#include <cstdarg>
#include <cstdio>

#include "path/arc_length.h"

namespace {

std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
std::string format(const char* fmt, ...) {
  char buf[512];
  va_list args;
  va_start(args, fmt);
  const int n = std::vsnprintf(buf, sizeof buf, fmt, args);
  va_end(args);
  return n < 0 ? std::string() : std::string(buf, n < int(sizeof buf) ? n : int(sizeof buf) - 1);
}

}  // namespace

std::string path_refusal_text(int I, const PathCheck& check) {
  switch (check.refusal) {
    case PathRefusal::none:
      return std::string();
    case PathRefusal::end_param_too_large:
      return format(
          "\n経路番号I=%d 終点パラメータ=%.6g>%.0f=上限を超えている(細か過ぎて計算できない)．"
          "経路設定し直し",
          I, check.end_param, max_end_param);
    case PathRefusal::too_long:
      return format("\n経路番号I=%d 経路長sf=%7.4f>%7.4f=smax限界を超えている．経路設定し直し", I,
                    check.length, check.smax);
    case PathRefusal::too_short:
      return format("\n経路番号I=%d 経路長sf=%7.4f 経路長が短過ぎる．経路設定し直し", I,
                    check.length);
  }
  return std::string();
}

std::string refusal_text(const ComputeResult& r) {
  switch (r.refusal) {
    case Refusal::none:
      return std::string();
    case Refusal::unknown_path:
      return format("\n経路番号I=%d の経路はない (no path number %d)", r.path_no, r.path_no);
    case Refusal::end_param_too_large:
    case Refusal::path_too_long:
    case Refusal::path_too_short:
      return path_refusal_text(r.path_no, r.check);
    case Refusal::too_many_records:
      return format("\ncaltraj() I=%d AGV=%d 刻み数NN=%d>=%d=MAX 経路長長過ぎる．経路設定し直し",
                    r.path_no, static_cast<int>(r.failed_type), MAX, MAX);
    case Refusal::impossible_error:
      return std::string("\n") + error_fault_japanese(r.fault) + " (" +
             error_fault_english(r.fault) + ")";
    case Refusal::not_finite:
      return "\n計算結果に有限でない値が出た．誤差を設定し直し (the motion overflowed: a value is "
             "not "
             "finite; choose the error again)";
  }
  return std::string();
}

const char* error_fault_japanese(ErrorFault fault) {
  switch (fault) {
    case ErrorFault::none:
      return "";
    case ErrorFault::rear_wheel_radius:
      return "後車輪半径の誤差比率が -100% 以下では車輪の半径が 0 以下になる";
    case ErrorFault::front_wheel_radius:
      return "前車輪半径の誤差比率が -100% 以下では車輪の半径が 0 以下になる";
    case ErrorFault::wheel_base:
      return "WheelBase 誤差比率が -100% 以下では後車輪間の距離が 0 以下になる";
    case ErrorFault::tread:
      return "Tread 誤差比率が -100% 以下では前後車輪間の距離が 0 以下になる";
    case ErrorFault::slip:
      return "滑りの速度誤差比率が 100% を超えると車両が後ろへ進む";
  }
  return "";
}

const char* error_fault_english(ErrorFault fault) {
  switch (fault) {
    case ErrorFault::none:
      return "";
    case ErrorFault::rear_wheel_radius:
      return "a rear wheel radius error of -100 % or less leaves no wheel";
    case ErrorFault::front_wheel_radius:
      return "a front wheel radius error of -100 % or less leaves no wheel";
    case ErrorFault::wheel_base:
      return "a WheelBase error of -100 % or less leaves no WheelBase";
    case ErrorFault::tread:
      return "a Tread error of -100 % or less leaves no Tread";
    case ErrorFault::slip:
      return "a slip above 100 % would drive the vehicle backwards";
  }
  return "";
}

std::string error_fault_text(ErrorFault fault) {
  if (fault == ErrorFault::none) return std::string();
  return std::string("\n") + error_fault_japanese(fault) + "．入力し直し (" +
         error_fault_english(fault) + "; enter the value again)";
}
