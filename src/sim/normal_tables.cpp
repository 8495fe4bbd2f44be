// Reading the conversion table files (no console output).
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "sim/normal_tables.h"

#include "platform/catalogue.h"
#include "platform/file_system.h"
#include "platform/float_text.h"

namespace {

bool is_blank(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

// The tokens of a file and the lines they are on, counted from 1 as an editor counts them.
struct TokenReader {
  std::FILE* in;
  int line = 1;        // of the next character
  int token_line = 0;  // of the last token read

  // Reads the next white-space separated token into buf. Returns its length, 0 at the end
  // of the file, or -1 when it does not fit.
  int next(char* buf, int size) {
    int c = std::fgetc(in);
    for (; c != EOF && is_blank(c); c = std::fgetc(in)) line += c == '\n';
    token_line = line;
    int n = 0;
    while (c != EOF && !is_blank(c)) {
      if (n == size - 1) return -1;
      buf[n++] = static_cast<char>(c);
      c = std::fgetc(in);
    }
    line += c == '\n';
    buf[n] = '\0';
    return n;
  }
};

// from_chars does not depend on the locale, which the console layer sets from the environment.
bool parse_int(const char* s, int len, int* value) {
  const auto [end, ec] = std::from_chars(s, s + len, *value);
  return ec == std::errc() && end == s + len;
}

bool parse_finite(const char* s, int len, double* value) {
  const auto [end, ec] = read_double(s, s + len, *value);
  return ec == std::errc() && end == s + len && std::isfinite(*value);
}

bool fail(std::string* error, const char* reason) {
  if (error) *error = reason;
  return false;
}

// Why a name that is not a regular file is not read.
const char* not_a_file(FileKind kind) {
  switch (kind) {
    case FileKind::missing:
    case FileKind::regular:
      break;
    case FileKind::directory:
      return tr(Msg::table_directory);
    case FileKind::fifo:
      return tr(Msg::table_fifo);
    case FileKind::device:
      return tr(Msg::table_device);
    case FileKind::socket:
      return tr(Msg::table_socket);
    case FileKind::other:
      return tr(Msg::table_not_regular);
  }
  return tr(Msg::table_cannot_open);
}

// The message takes the line number twice (its English only once).
bool fail_line(std::string* error, Msg message, int line) {
  return fail(error, format_text(tr(message), line, line).c_str());
}

}  // namespace

bool read_normal_table(const char* path, int f, NormalTables* tables, std::string* error) {
  if (f < 0 || f >= normal_table_count) return fail(error, tr(Msg::table_no_such));
  FileKind kind;
  std::FILE* in = open_regular_file(path, &kind);
  if (!in) return fail(error, not_a_file(kind));

  // Rows are collected here first so that a faulty file leaves the table as it was.
  normal_row rows[normal_table_rows];
  char token[64];
  bool ok = false;
  int last = 0;
  TokenReader reader{in};
  int len = reader.next(token, sizeof token);
  if (len <= 0 || !parse_int(token, len, &last)) {
    fail(error, tr(Msg::table_no_count));
  } else if (last < 1 || last > normal_table_rows - 1) {
    fail(error, tr(Msg::table_count_range));
  } else {
    ok = true;
    // A row may wrap, but a fault is told by the line its row starts on. A row that starts
    // on the line where the row before ended was taken as an extra column of that line by
    // anyone reading the file as a table: a fault after it is told as that.
    int key_line = reader.token_line;  // of the count, then of each row's key
    int extra_line = 0;                // the first line with more than two numbers
    for (int i = 0; i <= last && ok; ++i) {
      len = reader.next(token, sizeof token);
      const int line = reader.token_line;
      if (i > 0 && line == key_line && extra_line == 0) extra_line = line;
      ok = len > 0 && parse_finite(token, len, &rows[i].value);
      if (ok) {
        len = reader.next(token, sizeof token);
        key_line = reader.token_line;
        ok = len > 0 && parse_finite(token, len, &rows[i].key);
      }
      const bool ascends = ok && (i == 0 || rows[i].key > rows[i - 1].key);
      if (!ascends && extra_line != 0) {
        ok = fail_line(error, Msg::table_extra_columns, extra_line);
      } else if (!ok) {
        fail_line(error, Msg::table_not_two_numbers, line);
      } else if (!ascends) {
        ok = fail_line(error, Msg::table_key_order, line);
      }
    }
    if (ok && reader.next(token, sizeof token) != 0) {
      if (extra_line == 0 && reader.token_line == key_line) extra_line = key_line;
      ok = extra_line != 0 ? fail_line(error, Msg::table_extra_columns, extra_line)
                           : fail_line(error, Msg::table_data_after, reader.token_line);
    }
  }
  if (ok && std::ferror(in)) ok = fail(error, tr(Msg::table_read_error));
  std::fclose(in);
  if (!ok) return false;

  std::memcpy(tables->normal_tab[f], rows, sizeof(normal_row) * (last + 1));
  tables->normal_tab_last[f] = last;
  return true;
}
