# vex_add_layer(NAME EXPORT_NAME DEPS...): one library per folder, built from every .cpp/.h in
# it, exported as Vex::EXPORT_NAME. Linking only the layers below makes the one-way dependency
# rule mechanical. Static by default; shared with BUILD_SHARED_LIBS=ON, exporting only what the
# headers mark with VEX_EXPORT.
function(vex_add_layer name export_name)
  file(GLOB _sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  add_library(vex_${name} ${_sources})
  add_library(Vex::${export_name} ALIAS vex_${name})
  set_target_properties(vex_${name} PROPERTIES
    EXPORT_NAME ${export_name}
    OUTPUT_NAME Vex${export_name}
    VERSION ${PROJECT_VERSION}
    SOVERSION ${PROJECT_VERSION_MAJOR}
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
  target_include_directories(vex_${name} PUBLIC
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/VexComponents>)
  target_compile_features(vex_${name} PUBLIC cxx_std_20)
  target_compile_definitions(vex_${name} PRIVATE VEX_BUILDING_LIBRARY)
  if(NOT BUILD_SHARED_LIBS)
    target_compile_definitions(vex_${name} PUBLIC VEX_STATIC)
  endif()
  vex_warnings(vex_${name})
  target_link_libraries(vex_${name} PUBLIC ${ARGN})
  vex_install_layer(vex_${name})
endfunction()

# The warnings every target of ours builds with; VEX_WERROR (on in CI) makes them errors.
function(vex_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra $<$<BOOL:${VEX_WERROR}>:-Werror>)
endfunction()

# Installs a library target into the package's export set, with its headers under
# include/VexComponents/<folder relative to the source root>.
function(vex_install_layer target)
  install(TARGETS ${target} EXPORT VexComponentsTargets
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  file(RELATIVE_PATH _folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  install(DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/VexComponents/${_folder}
    FILES_MATCHING PATTERN "*.h")
endfunction()

# vex_add_test(NAME LIBS...): one GoogleTest program per layer, from every .cpp in its folder;
# CTest lists each test case on its own so a failure names its case.
function(vex_add_test name)
  file(GLOB _sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.qrc)
  add_executable(test_${name} ${_sources} ${CMAKE_CURRENT_SOURCE_DIR}/TestMain.cpp)
  target_include_directories(test_${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/common)
  target_link_libraries(test_${name} PRIVATE ${ARGN} GTest::gtest)
  vex_warnings(test_${name})
  gtest_discover_tests(test_${name}
    TEST_PREFIX "${name}."
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8" TIMEOUT 300)
endfunction()

# vex_add_bench(NAME LIBS...): one Google Benchmark program per layer, from bench/NAME/*.cpp.
function(vex_add_bench name)
  file(GLOB _sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.cpp)
  add_executable(bench_${name} ${_sources} ${CMAKE_CURRENT_SOURCE_DIR}/BenchMain.cpp)
  target_include_directories(bench_${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(bench_${name} PRIVATE ${ARGN} benchmark::benchmark)
  vex_warnings(bench_${name})
endfunction()
