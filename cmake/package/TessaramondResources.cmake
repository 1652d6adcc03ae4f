# Program resources for a program linked with Tessaramond::tessaramond: a Windows resource
# script (.rc, Windows-1252) compiled at build time and embedded in the target, which registers
# it as its module instance on start-up.
#
#   tessaramond_add_resources(<target> <file.rc>)
#
# Bitmaps, icons, cursors and headers next to the .rc (subfolders included) count as its inputs,
# since the resource compiler reports no dependencies.

function(tessaramond_add_resources target rc)
  cmake_path(ABSOLUTE_PATH rc BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} NORMALIZE
             OUTPUT_VARIABLE rc_path)
  cmake_path(GET rc_path PARENT_PATH rc_dir)
  cmake_path(GET rc_path STEM stem)
  set(cpp ${CMAKE_CURRENT_BINARY_DIR}/${target}.resources/${stem}.res.cpp)
  file(GLOB_RECURSE inputs CONFIGURE_DEPENDS
    ${rc_dir}/*.bmp ${rc_dir}/*.ico ${rc_dir}/*.cur ${rc_dir}/*.h ${rc_dir}/*.rc)
  add_custom_command(OUTPUT ${cpp}
    COMMAND Tessaramond::rc ${rc_path} ${cpp}
    DEPENDS ${rc_path} ${inputs}
    COMMENT "Compiling resource script ${stem}.rc"
    VERBATIM)
  target_sources(${target} PRIVATE ${cpp})
endfunction()
