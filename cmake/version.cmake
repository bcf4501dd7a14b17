# Version resources: the project's version number, company and product go into moh_version.h,
# which resources/version.rc includes; add_version_resource gives a module its own resource.
set(MOH_COMPANY "Corvane Software")
set(MOH_PRODUCT "Pellora Modem on Hold")
set(MOH_VERSION_DIR ${CMAKE_BINARY_DIR}/version)
set(MOH_VERSION_NUMBERS "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0")
set(MOH_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0")
file(CONFIGURE OUTPUT ${MOH_VERSION_DIR}/moh_version.h @ONLY CONTENT [[
/* Written by the build from the project's version number. */
#define MOH_VERSION_NUMBERS @MOH_VERSION_NUMBERS@
#define MOH_VERSION_TEXT "@MOH_VERSION_TEXT@"
#define MOH_COMPANY_NAME "@MOH_COMPANY@"
#define MOH_PRODUCT_NAME "@MOH_PRODUCT@"
]])
# The release script reads the number from here.
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/version.txt CONTENT "${PROJECT_VERSION}\n")

# add_version_resource(target "description"): a version resource naming the target's file.
function(add_version_resource target description)
  get_target_property(type ${target} TYPE)
  get_target_property(name ${target} OUTPUT_NAME)
  if(NOT name)
    set(name ${target})
  endif()
  if(type STREQUAL "EXECUTABLE")
    set(file_type VFT_APP)
    set(extension .exe)
  else()
    set(file_type VFT_DLL)
    set(extension .dll)
  endif()
  set(rc ${MOH_VERSION_DIR}/${target}_version.rc)
  file(CONFIGURE OUTPUT ${rc} @ONLY CONTENT [[
#include <windows.h>
#define VERSION_FILE_TYPE @file_type@
#define VERSION_DESCRIPTION "@description@"
#define VERSION_INTERNAL_NAME "@name@"
#define VERSION_FILE_NAME "@name@@extension@"
#include "version.rc"
]])
  target_sources(${target} PRIVATE ${rc})
  set_source_files_properties(${rc} PROPERTIES
    INCLUDE_DIRECTORIES "${MOH_VERSION_DIR};${CMAKE_SOURCE_DIR}/resources"
    OBJECT_DEPENDS "${MOH_VERSION_DIR}/moh_version.h;${CMAKE_SOURCE_DIR}/resources/version.rc")
endfunction()
