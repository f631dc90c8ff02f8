# The layers of the source tree, and the check that each folder includes only
# its own headers and those of the folders below it. Run by CTest:
#
#   cmake -DSOURCE_DIR=<tree> -P tools/check_layers.cmake
#
# Each folder with the folders it rests on directly; it may include those and,
# in turn, whatever they rest on. Headers outside these folders (the standard
# library, Qt, GoogleTest ...) do not count.

cmake_minimum_required(VERSION 3.25)

set(layers
  "core:"                         # numbers and their texts, the element table, the input reading
  "trig: core"                    # degree functions with the short pi, the line form of a row
  "solvers: trig"                 # one file per solver family
  "engine: solvers"               # dispatch and the calculation entry point
  "geometry:"                     # the exact geometry, standalone
  "candidates: engine geometry"   # every answer and the edits that select it
  "i18n: core"                    # the texts in English and Japanese, from the window's translations
  "explain: candidates i18n"      # why there is no answer, and the nearest input that gives one
  "csv: i18n"                     # reading and writing CSV records
  "files: csv"                    # files replaced whole, opened safely, locked; the history
  "view: engine candidates"       # view geometry and drawing
  "session: view explain"                 # the calculator the window and the page both run
  "packaging:"                    # the version header (generated), the installed data
  "cli: files view explain packaging"       # draftcalc-cli, and the drawings of calc
  "app: session files packaging"       # the window
  "python: explain csv examples packaging" # the Python module
  "examples: core"                # the catalogue's example rows
  "tests: app cli examples web"
  "bench: app cli examples"
  "fuzz: app cli examples"
  "web: session")                 # the page's module: the session it drives, the drawing

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "usage: cmake -DSOURCE_DIR=<source tree> -P check_layers.cmake")
endif()

set(folders)
foreach(entry IN LISTS layers)
  string(REGEX MATCH "^([a-z0-9]+):(.*)$" matched "${entry}")
  set(folder "${CMAKE_MATCH_1}")
  separate_arguments(below UNIX_COMMAND "${CMAKE_MATCH_2}")
  list(APPEND folders ${folder})
  set(rests_on_${folder} ${below})
endforeach()

# What each folder may include: all it rests on, directly or in turn. A folder
# that reached itself would make a cycle.
foreach(folder IN LISTS folders)
  set(reach ${rests_on_${folder}})
  set(i 0)
  list(LENGTH reach count)
  while(i LESS count)
    list(GET reach ${i} next)
    if(NOT next IN_LIST folders)
      message(FATAL_ERROR "layer table: ${folder} rests on ${next}, which has no entry")
    endif()
    foreach(lower IN LISTS rests_on_${next})
      if(NOT lower IN_LIST reach)
        list(APPEND reach ${lower})
      endif()
    endforeach()
    math(EXPR i "${i} + 1")
    list(LENGTH reach count)
  endwhile()
  if(folder IN_LIST reach)
    message(FATAL_ERROR "layer table: ${folder} rests on itself through ${reach}")
  endif()
  set(may_include_${folder} ${reach})
endforeach()

# Every folder of the tree that holds sources (build trees aside) and every
# include in them that names another of our folders.
set(problems)
file(GLOB children RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*")
foreach(child IN LISTS children)
  if(NOT IS_DIRECTORY "${SOURCE_DIR}/${child}" OR child MATCHES "^\\." OR EXISTS "${SOURCE_DIR}/${child}/CMakeCache.txt")
    continue()
  endif()
  file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/${child}/*.h" "${SOURCE_DIR}/${child}/*.hpp"
       "${SOURCE_DIR}/${child}/*.cpp" "${SOURCE_DIR}/${child}/*.cc")
  if(NOT sources)
    continue()
  endif()
  if(NOT child IN_LIST folders)
    list(APPEND problems "${child}/ holds sources but has no place in the layer table of tools/check_layers.cmake")
    continue()
  endif()
  foreach(source IN LISTS sources)
    file(STRINGS "${SOURCE_DIR}/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"][^>\"]*/")
    foreach(line IN LISTS includes)
      string(REGEX MATCH "[<\"](([^/>\"]+)/[^>\"]*)[>\"]" matched "${line}")
      set(header "${CMAKE_MATCH_1}")
      set(target "${CMAKE_MATCH_2}")
      if(NOT matched OR target STREQUAL child OR NOT target IN_LIST folders)
        continue()
      endif()
      if(NOT target IN_LIST may_include_${child})
        string(REPLACE ";" ", " allowed "only ${may_include_${child}}")
        if(NOT may_include_${child})
          set(allowed "no other folder of ours")
        endif()
        list(APPEND problems "${source}: includes ${header}, but ${child}/ may include ${allowed}")
      endif()
    endforeach()
  endforeach()
endforeach()

if(problems)
  foreach(problem IN LISTS problems)
    message(NOTICE "${problem}")
  endforeach()
  list(LENGTH problems problemCount)
  message(FATAL_ERROR "The layers are broken in ${problemCount} place(s), listed above")
endif()
list(LENGTH folders folderCount)
message(STATUS "Layers kept: ${folderCount} folders, each including only the folders below it")
