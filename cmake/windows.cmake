# Windows build (mingw-w64, i686): the plug-in, the reference starter.dll,
# the host program, and the tests that run under Wine.
enable_language(RC)

set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
# A static C and C++ runtime: the DLLs import nothing but system DLLs.
set(KALVORI_STATIC_RUNTIME -static -static-libgcc -static-libstdc++)

add_library(kalvori_win32 STATIC
  adapters/win32/win32_locale_source.cpp
  adapters/win32/win32_text_platform.cpp
  adapters/win32/win32_window_system.cpp
  adapters/win32/starter_config_reader.cpp
)
target_link_libraries(kalvori_win32 PUBLIC kalvori_core)

add_library(Kalvori SHARED
  plugin/dll_main.cpp
  plugin/exports.cpp
  plugin/lifecycle.cpp
  plugin/Kalvori.def
  plugin/version.rc
)
set_target_properties(Kalvori PROPERTIES PREFIX "" SUFFIX ".plg")
target_link_libraries(Kalvori PRIVATE kalvori_win32)
target_link_options(Kalvori PRIVATE ${KALVORI_STATIC_RUNTIME} -Wl,--kill-at -Wl,--enable-stdcall-fixup)

add_library(starter SHARED tools/starter/starter.cpp tools/starter/starter.def)
set_target_properties(starter PROPERTIES PREFIX "")
target_link_options(starter PRIVATE ${KALVORI_STATIC_RUNTIME} -Wl,--kill-at -Wl,--enable-stdcall-fixup)

add_executable(kalvori-host tools/host/main.cpp tools/host/plugin_library.cpp)
target_include_directories(kalvori-host PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(kalvori-host PRIVATE kalvori_core)
target_link_options(kalvori-host PRIVATE ${KALVORI_STATIC_RUNTIME})

# GoogleTest from Debian's sources, cross-built.
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB KALVORI_WINE_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/wine/*.cpp)
add_executable(kalvori_wine_tests ${KALVORI_WINE_TEST_SOURCES} tools/host/plugin_library.cpp)
target_include_directories(kalvori_wine_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(kalvori_wine_tests PRIVATE kalvori_win32 gtest gmock gtest_main psapi)
target_link_options(kalvori_wine_tests PRIVATE ${KALVORI_STATIC_RUNTIME})
add_dependencies(kalvori_wine_tests Kalvori starter kalvori-host)

add_executable(kalvori_wine_helper tests/wine_helper/helper_main.cpp)
target_link_options(kalvori_wine_helper PRIVATE ${KALVORI_STATIC_RUNTIME})
add_dependencies(kalvori_wine_tests kalvori_wine_helper)

# One Wine start runs every test of the binary.
# (The per-language tests run below, each under its own LANG.)
add_test(NAME wine_tests COMMAND kalvori_wine_tests
         --gtest_filter=-*Locale*:*DoubleByte*:HostProgramTest.*
         --gtest_output=xml:Z:${CMAKE_BINARY_DIR}/reports/wine_tests.xml)
set_tests_properties(wine_tests PROPERTIES TIMEOUT 480)  # about 140 s when well
# The host program's tests start child processes of their own. In a test
# process that has already run many in-process clock tests, the emulated Wine
# here now and then dies or stalls while creating such a child (older builds
# too); in a fresh process that has not been seen.
add_test(NAME wine_host_program COMMAND kalvori_wine_tests --gtest_filter=HostProgramTest.*
         --gtest_output=xml:Z:${CMAKE_BINARY_DIR}/reports/wine_host_program.xml)
set_tests_properties(wine_host_program PROPERTIES TIMEOUT 300)
# The regional settings again under other languages, checked for real.
foreach(lang en_US de_DE ja_JP ko_KR)
  set(filter *Locale*)
  if(lang STREQUAL ja_JP)
    set(filter *Locale*:*DoubleByte*)
  endif()
  add_test(NAME wine_locale_${lang} COMMAND kalvori_wine_tests
           --gtest_filter=${filter}
           --gtest_output=xml:Z:${CMAKE_BINARY_DIR}/reports/wine_locale_${lang}.xml)
  set_tests_properties(wine_locale_${lang} PROPERTIES TIMEOUT 180
                       ENVIRONMENT "LANG=${lang}.UTF-8;LC_ALL=${lang}.UTF-8;KALVORI_EXPECTED_LOCALE=${lang}")
endforeach()
add_test(NAME pe_exports_and_imports
         COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/check-pe.sh $<TARGET_FILE:Kalvori> $<TARGET_FILE:starter>)

# The release archive: the plug-in, the try-it host with its reader, the
# user's guide and a sample configuration.
set(KALVORI_RELEASE_ZIP ${CMAKE_BINARY_DIR}/Kalvori-${PROJECT_VERSION}.zip)
add_custom_command(
  OUTPUT ${KALVORI_RELEASE_ZIP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf release ${KALVORI_RELEASE_ZIP}
  COMMAND ${CMAKE_COMMAND} -E make_directory release/Kalvori
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Kalvori> $<TARGET_FILE:starter>
          $<TARGET_FILE:kalvori-host> ${CMAKE_SOURCE_DIR}/docs/user-guide.md
          ${CMAKE_SOURCE_DIR}/docs/kalvori.ini release/Kalvori/
  COMMAND ${CMAKE_COMMAND} -E chdir release ${CMAKE_COMMAND} -E tar cf ${KALVORI_RELEASE_ZIP}
          --format=zip Kalvori
  DEPENDS Kalvori starter kalvori-host ${CMAKE_SOURCE_DIR}/docs/user-guide.md
          ${CMAKE_SOURCE_DIR}/docs/kalvori.ini
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  COMMENT "Packing ${KALVORI_RELEASE_ZIP}")
add_custom_target(release_zip DEPENDS ${KALVORI_RELEASE_ZIP})
add_test(NAME release_zip_contents
         COMMAND bash -c "unzip -l '${KALVORI_RELEASE_ZIP}' | grep -c -E 'Kalvori/(Kalvori.plg|starter.dll|kalvori-host.exe|user-guide.md|kalvori.ini)$' | grep -qx 5")

# Figures of the real window system (scripts/bench.sh runs it).
add_executable(kalvori_wine_bench tests/wine_bench/bench_main.cpp tests/wine/wine_support.cpp
                                  tests/wine/clock_fixture.cpp tools/host/plugin_library.cpp)
target_include_directories(kalvori_wine_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR})
target_link_options(kalvori_wine_bench PRIVATE ${KALVORI_STATIC_RUNTIME})
add_dependencies(kalvori_wine_bench Kalvori starter)
