# Shared settings for every Quillbox target: warnings, sanitizers, fuzzing.

add_library(quillbox_options INTERFACE)
target_compile_options(quillbox_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
  -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual)
target_compile_definitions(quillbox_options INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_KEYWORDS
  # The version the programs print and the package carries: project() sets it.
  QUILLBOX_VERSION="${PROJECT_VERSION}")

if(QUILLBOX_SANITIZE)
  target_compile_options(quillbox_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(quillbox_options INTERFACE -fsanitize=address,undefined)
endif()
if(QUILLBOX_FUZZ)
  # Coverage feedback for everything the fuzz targets reach.
  target_compile_options(quillbox_options INTERFACE -fsanitize=fuzzer-no-link)
endif()

# quillbox_model_library(NAME SOURCES... [LINKS ...])
# A library of item models: Qt6::Gui at most, never a widget.
function(quillbox_model_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC Qt6::Gui quillbox_options ${ARG_LINKS})
endfunction()

# quillbox_core_library(NAME SOURCES... [LINKS ...])
# A core library: Qt6::Core at most, never a widget.
function(quillbox_core_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC Qt6::Core quillbox_options ${ARG_LINKS})
endfunction()

# The tests compare the program's English texts: they run in English, whatever the language
# of the machine's desktop.
set(QUILLBOX_TEST_LANGUAGE "LANGUAGE=en;LC_ALL=C.UTF-8;LANG=C.UTF-8")

# quillbox_test(NAME SOURCES... LINKS ...): a Qt Test executable run by ctest.
function(quillbox_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test quillbox_options ${ARG_LINKS})
  target_compile_definitions(${name} PRIVATE
    QUILLBOX_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=1;${QUILLBOX_TEST_LANGUAGE}"
    TIMEOUT 300)
endfunction()

# quillbox_fuzz(NAME SOURCE LINKS ... [SECONDS n]): a libFuzzer target, also run
# by ctest for a bounded time.
function(quillbox_fuzz name)
  cmake_parse_arguments(ARG "" "SECONDS" "SOURCES;LINKS" ${ARGN})
  if(NOT QUILLBOX_FUZZ)
    return()
  endif()
  if(NOT ARG_SECONDS)
    set(ARG_SECONDS 20)
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE quillbox_options ${ARG_LINKS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set(corpus ${CMAKE_CURRENT_BINARY_DIR}/${name}-corpus)
  add_test(NAME ${name}
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1
      $<TARGET_FILE:${name}> -max_total_time=${ARG_SECONDS} -timeout=10
      -rss_limit_mb=2048 -max_len=65536 -print_final_stats=0
      ${corpus} ${CMAKE_CURRENT_SOURCE_DIR}/corpus/${name})
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED ${name}-corpus TIMEOUT 600)
  add_test(NAME ${name}-corpus-dir COMMAND ${CMAKE_COMMAND} -E make_directory ${corpus})
  set_tests_properties(${name}-corpus-dir PROPERTIES FIXTURES_SETUP ${name}-corpus)
endfunction()

# quillbox_widget_library(NAME SOURCES... [LINKS ...])
# A widget library: the thin layer of a folder over its core.
function(quillbox_widget_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC Qt6::Widgets quillbox_options ${ARG_LINKS})
endfunction()
