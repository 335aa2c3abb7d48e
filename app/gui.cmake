# The viewer on Qt: the main window and the program entry.
set(CMAKE_AUTOMOC ON)
set(CMAKE_AUTORCC ON)
add_library(quillet_app STATIC
  first_frame.cpp
  frm_main.cpp
  frm_main_commands.cpp
  frm_main_design.cpp
  frm_main_drop.cpp
  frm_main_find.cpp
  frm_main_settings.cpp
  frm_main_status.cpp
  frm_main_zoom.cpp
  frm_ver.cpp
  resources.cpp
  ${CMAKE_SOURCE_DIR}/resources/quillet.qrc
)
target_link_libraries(quillet_app PUBLIC quillet_model quillet_view_setup quillet_platform_qt)

add_executable(quillet main.cpp)
target_link_libraries(quillet PRIVATE quillet_app quillet_version_block)

# The help file beside the program, named after it: the help command looks for it there.
set(QUILLET_HELP_FILE ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/quillet.hlp)
add_custom_command(OUTPUT ${QUILLET_HELP_FILE}
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/resources/quillet.hlp ${QUILLET_HELP_FILE}
  DEPENDS ${CMAKE_SOURCE_DIR}/resources/quillet.hlp)
add_custom_target(quillet_help DEPENDS ${QUILLET_HELP_FILE})
add_dependencies(quillet quillet_help)
