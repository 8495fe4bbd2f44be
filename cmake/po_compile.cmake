# Compiles the PO files of po/ into a C++ table (cmake -P, so that a cross build needs no
# program of its own on the build machine):
#
#   cmake -DPO_FILES="ja.po;en.po" -DOUT_HEADER=.../messages.h -DOUT_SOURCE=.../messages.cpp
#         -P po_compile.cmake
#
# The first file is the reference: its keys (msgid) become the enum Msg, in its order, and
# every other file must hold exactly the same keys. An empty msgstr falls back to the
# reference text. Entries marked "#, c-format" must take the reference's printf conversions
# in every language, or the first of them. PO strings are C strings already, so their pieces are copied into the
# table as C literals, escapes untouched.

# Reads one PO file into <prefix>_KEYS (the msgids in order), <prefix>_TEXT_<key> (the
# msgstr as a sequence of C literals) and <prefix>_FORMAT_<key> (TRUE for c-format).
function(read_po file prefix)
  file(READ "${file}" content)
  # Semicolons and brackets would split or glue CMake's lists: carried as placeholders.
  string(REPLACE ";" "@SEMICOLON@" content "${content}")
  string(REPLACE "[" "@LBRACKET@" content "${content}")
  string(REPLACE "]" "@RBRACKET@" content "${content}")
  string(REPLACE "\n" ";" lines "${content}")
  set(keys "")
  set(state "")  # msgid or msgstr: where continuation lines go
  set(key "")
  set(text "")
  set(format FALSE)
  set(line_no 0)
  foreach(line IN LISTS lines)
    math(EXPR line_no "${line_no} + 1")
    if(line MATCHES "^#,.*c-format")
      set(format TRUE)
    elseif(line MATCHES "^#" OR line STREQUAL "")
      # comment or blank
    elseif(line MATCHES "^msgctxt ")
      message(FATAL_ERROR "${file}:${line_no}: msgctxt is not used; the msgid is the key")
    elseif(line MATCHES "^msgid (\".*\")$")
      set(state msgid)
      set(key "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^msgstr (\".*\")$")
      set(state msgstr)
      set(text "${CMAKE_MATCH_1}")
      string(REGEX REPLACE "^\"(.*)\"$" "\\1" key "${key}")
      if(NOT key STREQUAL "")
        if(NOT key MATCHES "^[a-z][a-z0-9_]*$")
          message(FATAL_ERROR "${file}:${line_no}: key '${key}' is not a lower-case name")
        endif()
        if(DEFINED ${prefix}_TEXT_${key})
          message(FATAL_ERROR "${file}:${line_no}: key '${key}' twice")
        endif()
        list(APPEND keys "${key}")
        set(${prefix}_FORMAT_${key} ${format} PARENT_SCOPE)
      endif()
      set(format FALSE)
    elseif(line MATCHES "^(\".*\")$")
      if(state STREQUAL "msgstr")
        set(text "${text}\n    ${CMAKE_MATCH_1}")
      elseif(state STREQUAL "msgid")
        message(FATAL_ERROR "${file}:${line_no}: a key is one line")
      endif()
    else()
      message(FATAL_ERROR "${file}:${line_no}: not understood: ${line}")
    endif()
    if(state STREQUAL "msgstr" AND NOT key STREQUAL "")
      set(${prefix}_TEXT_${key} "${text}")
      set(${prefix}_TEXT_${key} "${text}" PARENT_SCOPE)
    endif()
  endforeach()
  set(${prefix}_KEYS "${keys}" PARENT_SCOPE)
endfunction()

# The printf conversions of a text, in order (%% left out).
function(conversions text out)
  string(REPLACE "%%" "" text "${text}")
  string(REGEX MATCHALL "%[-+ #0]*[0-9*]*(\\.[0-9*]*)?(hh|h|ll|l|z|L)?[diouxXeEfgGcsp]" found
               "${text}")
  set(${out} "${found}" PARENT_SCOPE)
endfunction()

set(languages "")
set(index 0)
foreach(file IN LISTS PO_FILES)
  get_filename_component(language "${file}" NAME_WE)
  list(APPEND languages "${language}")
  read_po("${file}" L${index})
  math(EXPR index "${index} + 1")
endforeach()
list(LENGTH languages language_count)
list(LENGTH L0_KEYS message_count)

math(EXPR last "${language_count} - 1")
foreach(i RANGE 1 ${last})
  list(GET languages ${i} language)
  foreach(key IN LISTS L${i}_KEYS)
    if(NOT DEFINED L0_TEXT_${key})
      message(FATAL_ERROR "po/${language}.po: key '${key}' is not in the reference file")
    endif()
  endforeach()
  foreach(key IN LISTS L0_KEYS)
    if(NOT DEFINED L${i}_TEXT_${key})
      message(FATAL_ERROR "po/${language}.po: key '${key}' is missing")
    endif()
    if(L${i}_TEXT_${key} STREQUAL "\"\"")
      set(L${i}_TEXT_${key} "${L0_TEXT_${key}}")
    endif()
    if(L0_FORMAT_${key})
      # A translation may leave out trailing arguments (printf ignores what is left over),
      # as when the reference names a thing in two languages.
      conversions("${L0_TEXT_${key}}" want)
      conversions("${L${i}_TEXT_${key}}" got)
      list(LENGTH got n)
      set(prefix "")
      if(n GREATER 0)
        list(SUBLIST want 0 ${n} prefix)
      endif()
      if(NOT prefix STREQUAL got)
        message(FATAL_ERROR "po/${language}.po: '${key}' takes ${got}, the reference ${want}")
      endif()
    endif()
  endforeach()
endforeach()

set(enum "")
foreach(key IN LISTS L0_KEYS)
  string(APPEND enum "  ${key},\n")
endforeach()
set(codes "")
set(language_enum "")
foreach(language IN LISTS languages)
  string(APPEND codes "\"${language}\", ")
  string(APPEND language_enum "${language}, ")
endforeach()

set(header "// Generated from po/*.po by cmake/po_compile.cmake; do not edit.
#pragma once

enum class Msg : int {
${enum}};
inline constexpr int message_count = ${message_count};

// The languages of the catalogue, the reference first.
enum class Language : int { ${language_enum}};
inline constexpr int language_count = ${language_count};
inline constexpr const char* language_codes[language_count] = {${codes}};

extern const char* const message_texts[language_count][message_count];
")

set(source "// Generated from po/*.po by cmake/po_compile.cmake; do not edit.
#include \"platform/messages.h\"

const char* const message_texts[language_count][message_count] = {\n")
foreach(i RANGE 0 ${last})
  list(GET languages ${i} language)
  string(APPEND source "  { // ${language}\n")
  foreach(key IN LISTS L0_KEYS)
    string(APPEND source "    ${L${i}_TEXT_${key}},\n")
  endforeach()
  string(APPEND source "  },\n")
endforeach()
string(APPEND source "};\n")

foreach(var header source)
  string(REPLACE "@SEMICOLON@" ";" ${var} "${${var}}")
  string(REPLACE "@LBRACKET@" "[" ${var} "${${var}}")
  string(REPLACE "@RBRACKET@" "]" ${var} "${${var}}")
endforeach()
# Written only when changed, so that a PO edit rebuilds only what it must.
function(write_if_changed file text)
  if(EXISTS "${file}")
    file(READ "${file}" old)
    if(old STREQUAL text)
      return()
    endif()
  endif()
  file(WRITE "${file}" "${text}")
endfunction()
write_if_changed("${OUT_HEADER}" "${header}")
write_if_changed("${OUT_SOURCE}" "${source}")
