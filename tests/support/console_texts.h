#pragma once

#include <string>

// The console texts of the program as the user sees them (UTF-8), written out here on their
// own so that the tests compare the program's output with an independent copy.

// printf into a string.
std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// The table load message, the first thing the program prints.
extern const char* const load_message;

// The two title lines at the start of every dialogue.
std::string dialogue_title();

// The error menu with the previous errors as shown: ratios in percent, the drift in degrees.
std::string error_menu(double rear_l, double rear_r, double front, double drift, double wb,
                       double tr, double slip);
// The menu at the first dialogue: no error but a slip of 5 %.
std::string first_error_menu();

// "ERROR=k" and the value prompt of kind k (none for '0').
std::string error_choice(char kind);

// The old path and the yes/no question; the key is not included.
std::string cp_change_prompt(int I, double a, double b, double c = 0);

// The old path shown when a path is refused (and after 'c' in the window), and the
// "choose below" line that leads into the path menu.
std::string path_retry(int I, double a, double b, double c = 0);
extern const char* const choose_below;

// One line describing path I: the values are its constants in the order it prints them.
std::string path_description(int I, double a, double b, double c = 0);

// The path menu of the selection dialog, the line printed for any positive number, the
// refusal of a number that is not a path and the prompt of path I.
std::string path_menu();
extern const char* const set_constants;
std::string not_a_path(int I);
std::string path_prompt(int I);

// The line that tells an entry that is not a number: its value is taken as 0, or it is
// asked again. The entry is quoted as typed.
std::string not_a_number_zero(const std::string& entry);
std::string not_a_number_again(const std::string& entry);

// The settings report as print_settings prints it. error_lines is
// the line(s) of the error kind, path_line the line of the path.
std::string settings_report(int agv_type, const std::string& error_lines,
                            const std::string& path_line);
// The report's error line(s) of kind k with its values (percent or degrees).
std::string report_error(char kind, double v1 = 0, double v2 = 0);
// The report's line of path I with its constants in the order the line prints them.
std::string report_path(int I, double a, double b, double c = 0);

// Refusals of a path.
std::string too_long(int I, const char* sf, const char* smax = "60.0000");
std::string too_short(int I, const char* sf = " 0.0000");
std::string end_param_too_large(int I, const char* p_end);
std::string store_overflow(int I, int agv_type);

// Printed before the computation starts.
extern const char* const computing;

// From the computation to the key help, ending where the last key is awaited.
std::string computation_and_key_help();

// The report, the computation and the key help of a path that passes, then the echoed key.
std::string successful_end(int agv_type, const std::string& error_lines,
                           const std::string& path_line, char last_key);
