# Program resources: a Windows resource script (.rc, Windows-1252) compiled to a standard .res
# at build time and embedded in a target, which registers it as its module instance on start-up.
#
#   tess_add_resources(<target> <file.rc> [ACCESSOR <name>])
#
# With ACCESSOR (a library's own resources) nothing is registered: the target gets a function
# std::span<const std::byte> <name>() returning the .res bytes.
#
# The target must link tess_platform. Bitmaps, icons, cursors and headers next to the .rc are
# treated as its inputs (subfolders included), since the compiler reports no dependencies.

find_program(TESS_RC_COMPILER NAMES llvm-rc-14 llvm-rc REQUIRED)
# llvm-rc runs the script through clang for #include and #define; without it, it fails late.
find_program(TESS_RC_PREPROCESSOR NAMES clang clang-14 PATHS /usr/lib/llvm-14/bin)
if(NOT TESS_RC_PREPROCESSOR)
  message(FATAL_ERROR "llvm-rc needs clang to preprocess resource scripts (Debian: clang-14)")
endif()
set(TESS_EMBED_BYTES_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/EmbedBytes.cmake)

# Compiles a resource script to <out_dir>/<stem>.res; the path goes to <res_var>.
function(tess_compile_rc rc out_dir res_var)
  cmake_path(ABSOLUTE_PATH rc BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} NORMALIZE
             OUTPUT_VARIABLE rc_path)
  cmake_path(GET rc_path PARENT_PATH rc_dir)
  cmake_path(GET rc_path FILENAME rc_file)
  cmake_path(GET rc_path STEM stem)
  set(res ${out_dir}/${stem}.res)

  file(GLOB_RECURSE inputs CONFIGURE_DEPENDS
    ${rc_dir}/*.bmp ${rc_dir}/*.ico ${rc_dir}/*.cur ${rc_dir}/*.h ${rc_dir}/*.kvo ${rc_dir}/*.rc)

  # Run in the script's folder and pass its name only: file names inside the script resolve from
  # there, and an absolute path could be taken for a /option.
  add_custom_command(OUTPUT ${res}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${out_dir}
    COMMAND ${TESS_RC_COMPILER} /C 1252 /I ${rc_dir} /FO ${res} ${rc_file}
    WORKING_DIRECTORY ${rc_dir}
    DEPENDS ${rc_path} ${inputs}
    COMMENT "Compiling resource script ${rc_file}"
    VERBATIM)
  set(${res_var} ${res} PARENT_SCOPE)
endfunction()

function(tess_add_resources target rc)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "ACCESSOR" "")
  set(accessor_arg "")
  if(arg_ACCESSOR)
    set(accessor_arg -DACCESSOR=${arg_ACCESSOR})
  endif()
  set(out_dir ${CMAKE_CURRENT_BINARY_DIR}/${target}.resources)
  tess_compile_rc(${rc} ${out_dir} res)
  cmake_path(GET res STEM stem)
  set(cpp ${out_dir}/${stem}.res.cpp)
  add_custom_command(OUTPUT ${cpp}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${res} -DOUTPUT=${cpp} ${accessor_arg} -P ${TESS_EMBED_BYTES_SCRIPT}
    DEPENDS ${res} ${TESS_EMBED_BYTES_SCRIPT}
    COMMENT "Embedding ${stem}.res"
    VERBATIM)
  target_sources(${target} PRIVATE ${cpp})
endfunction()
