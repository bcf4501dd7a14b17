# Windows build (MinGW-w64): the library, its companions, the resource modules and the tools.
enable_language(RC)

# Every program and library lands in bin/, which is laid out as a module folder, so that the
# test programs run beside the library exactly as a dialer does.
set(MODULE_DIR ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${MODULE_DIR})
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${MODULE_DIR})
set(CMAKE_ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib)
set(CMAKE_SHARED_LIBRARY_PREFIX "")
set(CMAKE_IMPORT_LIBRARY_PREFIX "")

# No compiler runtime DLLs beside the modules.
add_link_options(-static -static-libgcc -static-libstdc++ -Wl,--fatal-warnings $<$<CONFIG:Release>:-s>)
add_compile_definitions(WINVER=0x0600 _WIN32_WINNT=0x0600 _WIN32_IE=0x0600)

include(cmake/version.cmake)

option(MOH_BUILD_TESTS "Build the Windows test programs" ON)

add_subdirectory(resources)
add_subdirectory(libs/corvanectln)
add_subdirectory(libs/infopane)
add_subdirectory(help)
include(cmake/library.cmake)
add_subdirectory(tools/dbsview)
add_subdirectory(tools/mohhost)
add_subdirectory(tools/screenshot)

install(FILES engine/moh.h resources/pellora.ini DESTINATION .)

if(MOH_BUILD_TESTS)
  include(cmake/googletest.cmake)
  configure_file(tools/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)
  enable_testing()
  add_subdirectory(tests/win)
  add_subdirectory(bench)
endif()
