# Compiles files into a program as C++ byte arrays. This file has two roles:
#
#  * include(embed) provides n5_embed_files(<target> BASE_DIR <dir> FILES <path>...): for each
#    file, a build-time step writes a source defining
#        const std::uint8_t n5::assets::embedded::<id>[];   const std::size_t <id>_size;
#    with <id> the path made a C identifier ("pictures/background.png" gives
#    pictures_background_png), and adds it to <target>. One step per file, so that editing
#    one file regenerates and recompiles only its own source.
#  * cmake -DINPUT=<file> -DOUTPUT=<source> -DSYMBOL=<id> -DNAME=<path> -P embed.cmake is that
#    step.

if(CMAKE_SCRIPT_MODE_FILE)
  foreach(var INPUT OUTPUT SYMBOL NAME)
    if(NOT DEFINED ${var})
      message(FATAL_ERROR "embed.cmake: ${var} is not set")
    endif()
  endforeach()

  file(READ "${INPUT}" hex HEX)
  string(LENGTH "${hex}" hex_length)
  math(EXPR size "${hex_length} / 2")
  if(size EQUAL 0)
    set(bytes "0x00,")  # C++ has no empty arrays; the size below stays 0
  else()
    # Break into lines of 32 bytes first (64 hex digits; CMake's regular expressions have no
    # repetition counts), then turn every digit pair into an element. Two linear passes keep
    # even the 583 KB backdrop well under a second.
    string(REPEAT "." 64 line)
    string(REGEX REPLACE "(${line})" "\\1\n" hex "${hex}")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  endif()

  file(WRITE "${OUTPUT}.tmp"
    "// Generated at build time by cmake/embed.cmake from ${NAME}; edit that file instead.\n"
    "#include <cstddef>\n"
    "#include <cstdint>\n\n"
    "namespace n5::assets::embedded {\n\n"
    "extern const std::uint8_t ${SYMBOL}[];\n"
    "extern const std::size_t ${SYMBOL}_size;\n\n"
    "const std::uint8_t ${SYMBOL}[] = {\n${bytes}\n};\n"
    "const std::size_t ${SYMBOL}_size = ${size};\n\n"
    "}  // namespace n5::assets::embedded\n")
  file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")  # never leave a half-written source behind
  return()
endif()

function(n5_embed_files target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "BASE_DIR" "FILES")
  if(NOT arg_BASE_DIR OR NOT arg_FILES OR arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "usage: n5_embed_files(<target> BASE_DIR <dir> FILES <path>...)")
  endif()
  foreach(file IN LISTS arg_FILES)
    string(MAKE_C_IDENTIFIER "${file}" symbol)
    set(input "${arg_BASE_DIR}/${file}")
    set(output "${CMAKE_CURRENT_BINARY_DIR}/embedded/${symbol}.cpp")
    add_custom_command(
      OUTPUT "${output}"
      COMMAND "${CMAKE_COMMAND}" "-DINPUT=${input}" "-DOUTPUT=${output}" "-DSYMBOL=${symbol}"
              "-DNAME=${file}" -P "${CMAKE_CURRENT_FUNCTION_LIST_FILE}"
      DEPENDS "${input}" "${CMAKE_CURRENT_FUNCTION_LIST_FILE}"
      COMMENT "Embedding ${file}"
      VERBATIM)
    target_sources(${target} PRIVATE "${output}")
  endforeach()
endfunction()
