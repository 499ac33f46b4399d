# Native build: unit tests, benchmarks and fuzzers of the portable logic.
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB KALVORI_UNIT_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(kalvori_unit_tests ${KALVORI_UNIT_TEST_SOURCES})
target_link_libraries(kalvori_unit_tests PRIVATE kalvori_core GTest::gtest GTest::gmock GTest::gtest_main)
target_include_directories(kalvori_unit_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
# One run of the whole binary; its XML report is what the test summary counts.
add_test(NAME unit_tests COMMAND kalvori_unit_tests
         --gtest_output=xml:${CMAKE_BINARY_DIR}/reports/unit_tests.xml)

if(KALVORI_BENCH AND NOT KALVORI_SANITIZE)
  find_package(benchmark QUIET)
  if(benchmark_FOUND AND EXISTS ${CMAKE_SOURCE_DIR}/bench/format_bench.cpp)
    file(GLOB KALVORI_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
    add_executable(kalvori_bench ${KALVORI_BENCH_SOURCES})
    target_link_libraries(kalvori_bench PRIVATE kalvori_core benchmark::benchmark)
    target_include_directories(kalvori_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR})
  endif()
endif()

if(KALVORI_FUZZ)
  file(GLOB KALVORI_FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/fuzz_*.cpp)
  foreach(source ${KALVORI_FUZZ_SOURCES})
    get_filename_component(name ${source} NAME_WE)
    add_executable(${name} ${source})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(${name} PRIVATE kalvori_core)
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  endforeach()
endif()
