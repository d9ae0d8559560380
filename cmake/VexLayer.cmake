# vex_add_layer(NAME DEPS...): one static library per folder, built from every .cpp/.h in it.
# Linking only the layers below makes the one-way dependency rule mechanical.
function(vex_add_layer name)
  file(GLOB _sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  add_library(vex_${name} STATIC ${_sources})
  add_library(Vex::${name} ALIAS vex_${name})
  target_include_directories(vex_${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_compile_options(vex_${name} PRIVATE -Wall -Wextra)
  target_link_libraries(vex_${name} PUBLIC ${ARGN})
endfunction()

# vex_add_test(NAME LIBS...): one GoogleTest program per layer, from every .cpp in its folder.
function(vex_add_test name)
  file(GLOB _sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.qrc)
  add_executable(test_${name} ${_sources} ${CMAKE_CURRENT_SOURCE_DIR}/TestMain.cpp)
  target_include_directories(test_${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/common)
  target_link_libraries(test_${name} PRIVATE ${ARGN} GTest::gtest)
  add_test(NAME ${name} COMMAND test_${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8" TIMEOUT 300)
endfunction()

# vex_add_bench(NAME LIBS...): one Google Benchmark program per layer, from bench/NAME/*.cpp.
function(vex_add_bench name)
  file(GLOB _sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.cpp)
  add_executable(bench_${name} ${_sources} ${CMAKE_CURRENT_SOURCE_DIR}/BenchMain.cpp)
  target_include_directories(bench_${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(bench_${name} PRIVATE ${ARGN} benchmark::benchmark)
endfunction()
