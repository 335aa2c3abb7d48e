quillet_test(main_window_tests QT SOURCES frm_main_test.cpp LIBS quillet_app)
