# One call per target: a reader sees each target's sources and dependencies in a few lines.

set(HMI_WARNINGS -Wall -Wextra)

if(HMI_SANITIZE)
    # vptr checks misfire across Qt's plugin boundaries; everything else stays on and is fatal.
    add_compile_options(-fsanitize=address,undefined -fno-sanitize=vptr -fno-sanitize-recover=undefined
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined -fno-sanitize=vptr)
endif()
if(HMI_TSAN)
    add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
    add_link_options(-fsanitize=thread)
endif()

# hmi_library(NAME [SHARED] SOURCES ... [DEPS ...] [QT])
function(hmi_library name)
    cmake_parse_arguments(A "SHARED;QT" "" "SOURCES;DEPS" ${ARGN})
    if(A_SHARED)
        add_library(${name} SHARED ${A_SOURCES})
    else()
        add_library(${name} STATIC ${A_SOURCES})
    endif()
    target_compile_options(${name} PRIVATE ${HMI_WARNINGS})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${A_DEPS})
    if(A_QT)
        set_target_properties(${name} PROPERTIES AUTOMOC ON)
    endif()
endfunction()

# hmi_executable(NAME SOURCES ... [DEPS ...] [QT]): lands in the run folder.
function(hmi_executable name)
    cmake_parse_arguments(A "QT" "" "SOURCES;DEPS" ${ARGN})
    add_executable(${name} ${A_SOURCES})
    target_compile_options(${name} PRIVATE ${HMI_WARNINGS})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PRIVATE ${A_DEPS})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${HMI_RUN_DIR})
    if(A_QT)
        set_target_properties(${name} PROPERTIES AUTOMOC ON)
    endif()
endfunction()

# hmi_test(NAME SOURCES ... [DEPS ...] [QT]): one GoogleTest program, each case a CTest test.
# QT programs get a main that creates the QApplication (offscreen platform) before the tests run.
function(hmi_test name)
    cmake_parse_arguments(A "QT" "" "SOURCES;DEPS" ${ARGN})
    if(A_QT)
        add_executable(${name} ${A_SOURCES} ${PROJECT_SOURCE_DIR}/tests/support/qt_test_main.cpp)
        target_link_libraries(${name} PRIVATE Qt6::Widgets Qt6::Test GTest::gtest GTest::gmock)
    else()
        add_executable(${name} ${A_SOURCES})
        target_link_libraries(${name} PRIVATE GTest::gtest GTest::gmock GTest::gtest_main)
    endif()
    target_compile_options(${name} PRIVATE ${HMI_WARNINGS})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PRIVATE ${A_DEPS})
    target_compile_definitions(${name} PRIVATE
        HMI_SOURCE_DIR="${PROJECT_SOURCE_DIR}" HMI_BINARY_DIR="${CMAKE_BINARY_DIR}" HMI_RUN_DIR="${HMI_RUN_DIR}")
    if(A_QT)
        set_target_properties(${name} PROPERTIES AUTOMOC ON)
    endif()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# hmi_bench(NAME SOURCES ... [DEPS ...] [QT]): QT programs get a main that creates the
# QGuiApplication (offscreen platform) before the benchmarks run.
function(hmi_bench name)
    cmake_parse_arguments(A "QT" "" "SOURCES;DEPS" ${ARGN})
    if(A_QT)
        add_executable(${name} ${A_SOURCES} ${PROJECT_SOURCE_DIR}/bench/support/qt_bench_main.cpp)
        target_link_libraries(${name} PRIVATE Qt6::Gui benchmark::benchmark)
    else()
        add_executable(${name} ${A_SOURCES})
        target_link_libraries(${name} PRIVATE benchmark::benchmark benchmark::benchmark_main)
    endif()
    target_compile_options(${name} PRIVATE ${HMI_WARNINGS})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PRIVATE ${A_DEPS})
    target_compile_definitions(${name} PRIVATE
        HMI_SOURCE_DIR="${PROJECT_SOURCE_DIR}" HMI_RUN_DIR="${HMI_RUN_DIR}")
endfunction()

# hmi_fuzzer(NAME SOURCES ... [DEPS ...]): a libFuzzer harness, built only in the fuzz preset.
# Every harness joins the `fuzzers` target; scripts/fuzz.sh runs each one for a short while.
if(HMI_FUZZ AND NOT TARGET fuzzers)
    add_custom_target(fuzzers)
endif()
function(hmi_fuzzer name)
    if(NOT HMI_FUZZ)
        return()
    endif()
    cmake_parse_arguments(A "" "" "SOURCES;DEPS" ${ARGN})
    add_executable(${name} ${A_SOURCES})
    target_compile_options(${name} PRIVATE ${HMI_WARNINGS} -fsanitize=fuzzer,address,undefined)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PRIVATE ${A_DEPS})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
    add_dependencies(fuzzers ${name})
endfunction()

# hmi_add_subdirectories(DIR ...): adds each listed folder that has a CMakeLists.txt. Folders named in
# the cache list HMI_SKIP_DIRS (paths relative to the source root) are left out of a build tree.
function(hmi_add_subdirectories)
    foreach(dir ${ARGN})
        file(RELATIVE_PATH rel ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/${dir})
        if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt AND NOT rel IN_LIST HMI_SKIP_DIRS)
            add_subdirectory(${dir})
        endif()
    endforeach()
endfunction()
