# One static library per source folder: every .cpp in the folder belongs to it.
function(syllabrix_library name dir)
  file(GLOB _srcs CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT _srcs)
    # A folder whose first sources are still being written: a header-only library for now.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARGN})
    return()
  endif()
  add_library(${name} STATIC ${_srcs})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARGN})
endfunction()

# One GoogleTest binary per source folder. Tests named ToolCheck* call real
# outside tools; they run as a CTest test of their own that installs the tools
# first (tests/support/install_tools.sh).
function(syllabrix_tests name dir)
  file(GLOB _srcs CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT _srcs)
    return()
  endif()
  add_executable(${name} ${_srcs})
  target_link_libraries(${name} PRIVATE test_support GTest::gtest GTest::gtest_main GTest::gmock ${ARGN})
  add_test(NAME ${name} COMMAND ${name} --gtest_filter=-ToolCheck*
           WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  add_test(NAME ${name}_toolchecks
           COMMAND bash ${PROJECT_SOURCE_DIR}/tests/support/run_toolchecks.sh $<TARGET_FILE:${name}>
           WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  set_tests_properties(${name}_toolchecks PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# The core (Qt-free) libraries that exist in this tree, for programs that may
# use any of them (benchmarks, fuzz targets).
function(syllabrix_core_libraries out)
  set(_libs foundation)
  foreach(_lib text syllables wordgen_engine wordgen_counter)
    if(TARGET ${_lib})
      list(APPEND _libs ${_lib})
    endif()
  endforeach()
  set(${out} ${_libs} PARENT_SCOPE)
endfunction()
