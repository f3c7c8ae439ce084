# Helpers shared by every folder of the toolkit.

# nct_test(NAME SOURCES... LIBS...): one GoogleTest executable, registered as one CTest
# test. In the windows preset it runs under Wine through the emulator of the toolchain file.
function(nct_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    if(NOT NCT_TESTS)
        return()
    endif()
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()

# nct_window_test(NAME SOURCES... LIBS... [DATA...]): a window test; Windows only. The DATA
# files (its expected controls) are copied next to the test program, which reads them there.
function(nct_window_test name)
    if(WIN32)
        # The window tests get the programs' manifest: the same controls, the same DPI rules.
        cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;DATA" ${ARGN})
        nct_test(${name} SOURCES ${ARG_SOURCES} $<TARGET_OBJECTS:desktop_manifest>
                 LIBS ${ARG_LIBS})
        foreach(file ${ARG_DATA})
            get_filename_component(file_name ${file} NAME)
            configure_file(${file} ${CMAKE_CURRENT_BINARY_DIR}/${file_name} COPYONLY)
        endforeach()
        # Window tests share one display; running them one at a time keeps focus and
        # message-box timing out of each other's way. Each runs again on a 120-DPI screen,
        # where a hard-coded 15 twips a pixel would show.
        if(NCT_TESTS)
            set_tests_properties(${name} PROPERTIES RESOURCE_LOCK desktop)
            if(CMAKE_CROSSCOMPILING_EMULATOR)
                add_test(NAME ${name}_120dpi COMMAND ${name})
                set_tests_properties(${name}_120dpi PROPERTIES RESOURCE_LOCK desktop TIMEOUT 300
                                     ENVIRONMENT NCT_WINE_DPI=120)
            endif()
        endif()
    endif()
endfunction()

# What a delivered program leaves out: its symbols and the debug information of the static
# runtime libraries, about half of the .exe. Debug builds keep them.
set(NCT_STRIP_RELEASE $<$<CONFIG:Release,MinSizeRel>:-s>)

# nct_program(NAME DESCRIPTION ... ICON ... SOURCES... LIBS...): a deliverable Windows
# program, one self-contained .exe with the toolkit's manifest, version and icon resources.
function(nct_program name)
    cmake_parse_arguments(ARG "" "DESCRIPTION;ICON" "SOURCES;LIBS" ${ARGN})
    set(NCT_PROGRAM_NAME ${name})
    set(NCT_PROGRAM_DESCRIPTION "${ARG_DESCRIPTION}")
    set(NCT_PROGRAM_ICON "${ARG_ICON}")
    configure_file(${PROJECT_SOURCE_DIR}/desktop/resources/program.rc.in
                   ${CMAKE_CURRENT_BINARY_DIR}/${name}.rc @ONLY)
    add_executable(${name} WIN32 ${ARG_SOURCES} ${CMAKE_CURRENT_BINARY_DIR}/${name}.rc)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
    target_link_options(${name} PRIVATE -municode ${NCT_STRIP_RELEASE})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/desktop/resources)
endfunction()

# nct_calculator(NAME PROGRAM ... DESCRIPTION ... ICON ...): a calculator folder, laid out as
# every calculator is: core/NAME.cpp, the portable commands, tested by
# tests/NAME_core_test.cpp; win/NAME_window.cpp, the window, tested by
# tests/NAME_window_test.cpp against tests/NAME_window.controls; main.cpp, the program
# PROGRAM with the icon assets/icons/ICON.
function(nct_calculator name)
    cmake_parse_arguments(ARG "" "PROGRAM;DESCRIPTION;ICON" "" ${ARGN})
    add_library(${name}_core STATIC core/${name}.cpp)
    target_include_directories(${name}_core PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name}_core PUBLIC numbers)
    nct_test(${name}_core_test SOURCES tests/${name}_core_test.cpp LIBS ${name}_core numbers_testing)
    if(WIN32)
        add_library(${name}_window STATIC win/${name}_window.cpp)
        target_link_libraries(${name}_window PUBLIC ${name}_core desktop)
        nct_program(${ARG_PROGRAM} DESCRIPTION "${ARG_DESCRIPTION}"
                    ICON ${PROJECT_SOURCE_DIR}/assets/icons/${ARG_ICON}
                    SOURCES main.cpp LIBS ${name}_window)
        nct_window_test(${name}_window_test SOURCES tests/${name}_window_test.cpp
                        LIBS ${name}_window desktop_testing DATA tests/${name}_window.controls)
    endif()
endfunction()
