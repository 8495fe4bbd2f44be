// Reading the conversion table files (no console output).
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "sim/normal_tables.h"

#include "platform/file_system.h"

namespace {

bool is_blank(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

// Reads the next white-space separated token into buf. Returns its length, 0 at the end of
// the file, or -1 when it does not fit.
int next_token(std::FILE* in, char* buf, int size) {
  int c = std::fgetc(in);
  while (c != EOF && is_blank(c)) c = std::fgetc(in);
  int n = 0;
  while (c != EOF && !is_blank(c)) {
    if (n == size - 1) return -1;
    buf[n++] = static_cast<char>(c);
    c = std::fgetc(in);
  }
  buf[n] = '\0';
  return n;
}

// from_chars does not depend on the locale, which the console layer sets from the environment.
bool parse_int(const char* s, int len, int* value) {
  const auto [end, ec] = std::from_chars(s, s + len, *value);
  return ec == std::errc() && end == s + len;
}

bool parse_finite(const char* s, int len, double* value) {
  const auto [end, ec] = std::from_chars(s, s + len, *value);
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
      return "フォルダでありファイルでない (a directory, not a file)";
    case FileKind::fifo:
      return "名前付きパイプでありファイルでない (a named pipe, not a file)";
    case FileKind::device:
      return "デバイスでありファイルでない (a device, not a file)";
    case FileKind::socket:
      return "ソケットでありファイルでない (a socket, not a file)";
    case FileKind::other:
      return "通常のファイルでない (not a regular file)";
  }
  return "ファイルを開けない (cannot open the file)";
}

bool fail_row(std::string* error, const char* format, int row) {
  char buf[200];
  std::snprintf(buf, sizeof buf, format, row, row);
  return fail(error, buf);
}

}  // namespace

bool read_normal_table(const char* path, int f, NormalTables* tables, std::string* error) {
  if (f < 0 || f >= normal_table_count) return fail(error, "表番号が範囲外 (no such table)");
  FileKind kind;
  std::FILE* in = open_regular_file(path, &kind);
  if (!in) return fail(error, not_a_file(kind));

  // Rows are collected here first so that a faulty file leaves the table as it was.
  normal_row rows[normal_table_rows];
  char token[64];
  bool ok = false;
  int last = 0;
  int len = next_token(in, token, sizeof token);
  if (len <= 0 || !parse_int(token, len, &last)) {
    fail(error, "先頭が行数 L の整数でない (first entry is not the integer L)");
  } else if (last < 1 || last > normal_table_rows - 1) {
    fail(error, "L が 1..49 の範囲外 (L is not within 1..49)");
  } else {
    ok = true;
    for (int i = 0; i <= last && ok; ++i) {
      len = next_token(in, token, sizeof token);
      ok = len > 0 && parse_finite(token, len, &rows[i].value);
      if (ok) {
        len = next_token(in, token, sizeof token);
        ok = len > 0 && parse_finite(token, len, &rows[i].key);
      }
      if (!ok) {
        fail_row(error, "行 %d が有限の数 2 つでない (row %d is not two finite numbers)", i);
      } else if (i > 0 && !(rows[i].key > rows[i - 1].key)) {
        ok = fail_row(error, "行 %d のキーが昇順でない (key of row %d does not ascend)", i);
      }
    }
    if (ok && next_token(in, token, sizeof token) != 0) {
      ok = fail(error, "最終行の後に余分なデータ (data after the last row)");
    }
  }
  if (ok && std::ferror(in)) ok = fail(error, "読み取りエラー (read error)");
  std::fclose(in);
  if (!ok) return false;

  std::memcpy(tables->normal_tab[f], rows, sizeof(normal_row) * (last + 1));
  tables->normal_tab_last[f] = last;
  return true;
}
