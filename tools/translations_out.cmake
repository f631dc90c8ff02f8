# Writes the translations of i18n/draftcalc_en.ts and draftcalc_ja.ts, the
# same texts the window's translations are built from, for the parts of the
# program that do not run Qt:
#   FORMAT=json: one JSON object for the page, {"en": {source: text}, "ja": {...}};
#   FORMAT=cpp:  C++ tables for i18n/translation_table.h.
# Usage: cmake -DFORMAT=json|cpp -DOUTPUT=FILE -DTS_EN=draftcalc_en.ts -DTS_JA=draftcalc_ja.ts
#              -P translations_out.cmake
# The output is written only when it changes, so that nothing rebuilds for nothing.

# A semicolon would split CMake's lists, and a square bracket keep them from
# splitting: all three are held apart as placeholders while texts pass
# through lists, and put back after. (Each its own line: no CMake list could
# carry these pairs.)
function(hold_apart variable)
  set(text "${${variable}}")
  string(REPLACE ";" "@@semicolon@@" text "${text}")
  string(REPLACE "[" "@@open@@" text "${text}")
  string(REPLACE "]" "@@close@@" text "${text}")
  set(${variable} "${text}" PARENT_SCOPE)
endfunction()

function(put_back variable)
  set(text "${${variable}}")
  string(REPLACE "@@semicolon@@" ";" text "${text}")
  string(REPLACE "@@open@@" "[" text "${text}")
  string(REPLACE "@@close@@" "]" text "${text}")
  set(${variable} "${text}" PARENT_SCOPE)
endfunction()

# An XML text of the .ts as a JSON or C++ string's inside (the same escapes),
# its semicolons and square brackets back in place.
function(quoted_text in out)
  set(text "${in}")
  put_back(text)
  string(REPLACE "&lt;" "<" text "${text}")
  string(REPLACE "&gt;" ">" text "${text}")
  string(REPLACE "&quot;" "\"" text "${text}")
  string(REPLACE "&apos;" "'" text "${text}")
  string(REPLACE "&amp;" "&" text "${text}")
  string(REPLACE "\\" "\\\\" text "${text}")
  string(REPLACE "\"" "\\\"" text "${text}")
  string(REPLACE "\n" "\\n" text "${text}")
  string(REPLACE "\t" "\\t" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The finished messages of one .ts: "source", "translation" pairs, each
# pair written by `line_format` (with @S@ and @T@ for the two), joined by
# `separator`.
function(pairs_of ts line_format separator out)
  file(READ "${ts}" content)
  hold_apart(content)
  string(REGEX MATCHALL "<source>[^<]*</source>[^<]*<translation>[^<]*</translation>" messages "${content}")
  set(lines)
  foreach(message IN LISTS messages)
    string(REGEX MATCH "<source>([^<]*)</source>" _ "${message}")
    quoted_text("${CMAKE_MATCH_1}" source)
    string(REGEX MATCH "<translation>([^<]*)</translation>" _ "${message}")
    quoted_text("${CMAKE_MATCH_1}" translation)
    string(REPLACE "@S@" "${source}" line "${line_format}")
    string(REPLACE "@T@" "${translation}" line "${line}")
    hold_apart(line)
    list(APPEND lines "${line}")
  endforeach()
  list(JOIN lines "${separator}" joined)
  put_back(joined)
  set(${out} "${joined}" PARENT_SCOPE)
endfunction()

if(FORMAT STREQUAL "json")
  pairs_of("${TS_EN}" "\"@S@\": \"@T@\"" ",\n" english)
  pairs_of("${TS_JA}" "\"@S@\": \"@T@\"" ",\n" japanese)
  set(text "{\n\"en\": {\n${english}},\n\"ja\": {\n${japanese}}\n}\n")
elseif(FORMAT STREQUAL "cpp")
  pairs_of("${TS_EN}" "    {\"@S@\", \"@T@\"}," "\n" english)
  pairs_of("${TS_JA}" "    {\"@S@\", \"@T@\"}," "\n" japanese)
  set(text "// Written by tools/translations_out.cmake from i18n/*.ts: not to be edited.\n")
  string(APPEND text "#include \"i18n/translation_table.h\"\n\nnamespace draftcalc::i18n {\nnamespace {\n\n")
  string(APPEND text "constexpr TableEntry kEnglish[] = {\n${english}\n};\n\n")
  string(APPEND text "constexpr TableEntry kJapanese[] = {\n${japanese}\n};\n\n}  // namespace\n\n")
  string(APPEND text "std::span<const TableEntry> EnglishTable() { return kEnglish; }\n")
  string(APPEND text "std::span<const TableEntry> JapaneseTable() { return kJapanese; }\n\n")
  string(APPEND text "}  // namespace draftcalc::i18n\n")
else()
  message(FATAL_ERROR "FORMAT must be json or cpp")
endif()

if(EXISTS "${OUTPUT}")
  file(READ "${OUTPUT}" old)
  if(old STREQUAL text)
    return()
  endif()
endif()
file(WRITE "${OUTPUT}" "${text}")
