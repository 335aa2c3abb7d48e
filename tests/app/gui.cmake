# LOCK: a test moves the built options program in bin/ aside for a moment.
quillet_test(main_window_tests QT LOCK build_bin
             SOURCES frm_main_test.cpp frm_main_settings_test.cpp frm_main_open_test.cpp
             LIBS quillet_app)
# Commands that reach outside the window: a fake opener on PATH, a host registry file.
quillet_test(main_window_commands_tests QT SOURCES frm_main_commands_test.cpp LIBS quillet_app)
# The find bar and the zoom, with keys delivered through the window's shortcuts.
quillet_test(main_window_find_tests QT SOURCES frm_main_find_test.cpp LIBS quillet_app)
# Replaces the global allocator to make allocations fail, so it runs in a program of its own.
quillet_test(main_window_alloc_tests QT SOURCES frm_main_alloc_test.cpp LIBS quillet_app)
# The line decoration and the status bar, with settings and keyword files of their own.
quillet_test(main_window_status_tests QT SOURCES frm_main_status_test.cpp LIBS quillet_app)
# The help command and the help file that comes with the program.
quillet_test(main_window_help_tests QT SOURCES frm_main_help_test.cpp LIBS quillet_app)
target_compile_definitions(main_window_help_tests PRIVATE
  QUILLET_HELP_SOURCE="${CMAKE_SOURCE_DIR}/resources/quillet.hlp")
# The about box, with executables of its own.
quillet_test(about_box_tests QT SOURCES frm_ver_test.cpp LIBS quillet_app)
