# tavlen_add_tests(<program> [APP CORE|GUI|WIDGETS] SOURCES <files...> LIBS <targets...>)
# One Qt Test program for a folder's tests: each tst_x.cpp holds one class, registered with
# TAVLEN_TEST (support/TestMain.h). CTest runs each class on its own, by its file's name,
# headless, in a fixed time zone and Danish locale. One program per folder rather than per
# file: linking some fifty programs was most of a clean build of the tests.
function(tavlen_add_tests program)
    cmake_parse_arguments(T "" "APP" "SOURCES;LIBS" ${ARGN})
    if(NOT T_APP)
        set(T_APP CORE)
    endif()
    add_executable(${program} ${T_SOURCES} ${PROJECT_SOURCE_DIR}/tests/support/TestMain.cpp)
    target_link_libraries(${program} PRIVATE Qt6::Test tavlen_testsupport ${T_LIBS})
    target_include_directories(${program} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_compile_definitions(${program} PRIVATE TAVLEN_TEST_${T_APP})
    # Compiled a batch at a time, as the program is (TAVLEN_UNITY_BUILD): every file parses
    # the same Qt Test and Qt headers. Helpers in a file's unnamed namespace must therefore
    # have names of their own within the folder.
    # GCC takes a batched file for a header and would warn that its test class uses the
    # file's unnamed namespace.
    set_target_properties(${program} PROPERTIES
        UNITY_BUILD ${TAVLEN_UNITY_BUILD} UNITY_BUILD_BATCH_SIZE 8)
    target_compile_options(${program} PRIVATE -Wno-subobject-linkage)
    foreach(source IN LISTS T_SOURCES)
        get_filename_component(name ${source} NAME_WE)
        if(NOT name MATCHES "^tst_")
            continue()
        endif()
        add_test(NAME ${name} COMMAND ${program} ${name})
        set_tests_properties(${name} PROPERTIES
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TZ=Europe/Copenhagen;LANG=C.UTF-8;DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/tavlen-no-bus"
            TIMEOUT 300)
    endforeach()
endfunction()

# tavlen_add_test(<name> SOURCES <files...> LIBS <targets...>)
# A test program with its own main (Qt Quick Test), run by CTest under the same settings.
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
