#pragma once

// The mechanism error chosen for the faulty vehicle; the values are the characters the
// user types in the error menu. Every switch over ErrorKind lists all of them.
enum class ErrorKind : char {
  none = '0',            // no error
  rear_wheels = '1',     // rear wheel radius error, left and right (%)
  front_wheel = '2',     // front wheel radius error (%)
  steering_drift = '3',  // steering angle drift (degrees)
  geometry = '4',        // WheelBase and Tread error (%)
  slip = '5',            // random slip of the drive wheels (%)
};

// The kind typed as '0'..'5', or false for any other character.
constexpr bool error_kind_from_char(int c, ErrorKind* kind) {
  if (c < '0' || c > '5') return false;
  *kind = static_cast<ErrorKind>(c);
  return true;
}

constexpr char error_kind_char(ErrorKind k) {
  return static_cast<char>(k);
}

// How many values the user enters for a kind: two for the pairs, none for no error.
constexpr int error_value_count(ErrorKind k) {
  switch (k) {
    case ErrorKind::none:
      return 0;
    case ErrorKind::rear_wheels:
    case ErrorKind::geometry:
      return 2;
    case ErrorKind::front_wheel:
    case ErrorKind::steering_drift:
    case ErrorKind::slip:
      return 1;
  }
  return 0;
}
