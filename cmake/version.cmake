# One version for every deliverable: project(... VERSION) reaches the version
# resources of the Windows files and the --version of the command-line tools.
set(ML_VERSION_DIR ${CMAKE_BINARY_DIR}/version)
configure_file(${CMAKE_CURRENT_LIST_DIR}/ml_version.h.in ${ML_VERSION_DIR}/ml_version.h @ONLY)

add_library(ml_version INTERFACE)
target_include_directories(ml_version INTERFACE ${ML_VERSION_DIR})

set(ML_VERSION_RC_TEMPLATE ${CMAKE_CURRENT_LIST_DIR}/version.rc.in)

# ml_version_resource(target "File description" ORIGINAL.NAME): a version resource
# for a Windows program or library; nothing in the native tree.
function(ml_version_resource target description original_name)
  if(NOT ML_WINDOWS)
    return()
  endif()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    set(ML_FILE_TYPE VFT_APP)
  else()
    set(ML_FILE_TYPE VFT_DLL)
  endif()
  set(ML_FILE_DESCRIPTION "${description}")
  set(ML_ORIGINAL_FILENAME "${original_name}")
  get_filename_component(ML_INTERNAL_NAME "${original_name}" NAME_WE)
  set(rc ${ML_VERSION_DIR}/${target}_version.rc)
  configure_file(${ML_VERSION_RC_TEMPLATE} ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  target_include_directories(${target} PRIVATE ${ML_VERSION_DIR})
endfunction()
