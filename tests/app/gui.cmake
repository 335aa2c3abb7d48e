quillet_test(main_window_tests QT SOURCES frm_main_test.cpp frm_main_settings_test.cpp
             LIBS quillet_app)
# Replaces the global allocator to make allocations fail, so it runs in a program of its own.
quillet_test(main_window_alloc_tests QT SOURCES frm_main_alloc_test.cpp LIBS quillet_app)
# The line decoration and the status bar, with settings and keyword files of their own.
quillet_test(main_window_status_tests QT SOURCES frm_main_status_test.cpp LIBS quillet_app)
