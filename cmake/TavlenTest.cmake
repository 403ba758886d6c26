# tavlen_add_test(<name> SOURCES <files...> LIBS <targets...>)
# One Qt Test executable, run by CTest headless, in a fixed time zone and Danish locale.
function(tavlen_add_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test tavlen_testsupport ${T_LIBS})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TZ=Europe/Copenhagen;LANG=C.UTF-8;DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/tavlen-no-bus"
        TIMEOUT 300)
endfunction()
