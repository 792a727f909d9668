# One static library per source folder: every .cpp in the folder belongs to it.
# A folder with no sources yet gives a header-only (INTERFACE) library, so that
# the targets above it can already name it.
function(syllabrix_library name dir)
  file(GLOB _srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
  file(GLOB _uis CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.ui)
  file(GLOB _qrcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.qrc)
  if(NOT _srcs)
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARGN})
    return()
  endif()
  file(GLOB _hdrs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.h)
  add_library(${name} STATIC ${_srcs} ${_hdrs} ${_uis} ${_qrcs})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARGN})
  # Only the Qt libraries run Qt's code generators (moc, uic, rcc).
  if("${ARGN}" MATCHES "Qt6::|foundation_qt|controls|frame_qt")
    set_target_properties(${name} PROPERTIES AUTOMOC ON AUTOUIC ON AUTORCC ON)
  endif()
endfunction()

# One GoogleTest binary per source folder. Tests named ToolCheck* call real
# outside tools; where a folder has any, they run as a CTest test of their own
# that first installs the packages named in tests/<folder>/tool_packages.txt
# (and scripts/tool_packages.txt, the tools every check may use).
function(syllabrix_tests name dir)
  file(GLOB _srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
  if(NOT _srcs)
    return()
  endif()
  add_executable(${name} ${_srcs})
  target_link_libraries(${name} PRIVATE test_support GTest::gtest GTest::gtest_main GTest::gmock ${ARGN})
  # Window tests save their screenshots here for review.
  target_compile_definitions(${name} PRIVATE SYLLABRIX_SCREENSHOT_DIR="${CMAKE_BINARY_DIR}/screenshots")
  # A hang fails within minutes under its own name, not after CTest's default
  # 25 minutes. The window tests take a few minutes with the sanitizers on a
  # busy machine, the others one at most.
  set(_timeout 300)
  if("${ARGN}" MATCHES "_qt|controls|gui")
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    set(_timeout 900)
  endif()
  add_test(NAME ${name} COMMAND ${name} --gtest_filter=-ToolCheck*
           WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT ${_timeout})
  set(_has_toolchecks OFF)
  foreach(_src ${_srcs})
    file(STRINGS ${_src} _hits REGEX "TEST(_F)?\\(ToolCheck")
    if(_hits)
      set(_has_toolchecks ON)
    endif()
  endforeach()
  if(_has_toolchecks)
    add_test(NAME ${name}_toolchecks
             COMMAND bash ${PROJECT_SOURCE_DIR}/tests/support/run_toolchecks.sh $<TARGET_FILE:${name}>
                     ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/tool_packages.txt
             WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    # Installing the tools' packages may take a while on a fresh machine.
    set_tests_properties(${name}_toolchecks PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 1800)
  endif()
endfunction()

# The core (Qt-free) libraries, for programs that may use any of them
# (benchmarks, fuzz targets).
function(syllabrix_core_libraries out)
  set(${out} foundation text syllables documents frame_core wordgen_engine wordgen_counter hashes fileinfo
      filelist_core settingspanels_core PARENT_SCOPE)
endfunction()
