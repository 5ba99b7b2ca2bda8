# volmar.exe is a GUI program (no console window) with the application icon
# and a version resource, whose FileVersion the about box shows; volmar-cli.exe
# is a console program with the same version resource.
string(REPLACE "." "," VOLMAR_VERSION_COMMAS "${PROJECT_VERSION}.0")
set(VOLMAR_FILE_VERSION "${PROJECT_VERSION}.0")
set(VOLMAR_ICO ${CMAKE_BINARY_DIR}/volmar.ico)

# Gives program a version resource with description, and icon when not empty.
function(volmar_version_resource program description icon)
  set(VOLMAR_RC_PROGRAM ${program})
  set(VOLMAR_RC_DESCRIPTION ${description})
  set(VOLMAR_RC_ICON "")
  if(icon)
    set(VOLMAR_RC_ICON "1 ICON \"${icon}\"")
  endif()
  set(rc ${CMAKE_BINARY_DIR}/${program}.rc)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/version.rc.in ${rc} @ONLY)
  target_sources(${program} PRIVATE ${rc})
endfunction()

volmar_version_resource(volmar "VOLMAR window layout editor" ${VOLMAR_ICO})
volmar_version_resource(volmar-cli "VOLMAR command line" "")
set_source_files_properties(${CMAKE_BINARY_DIR}/volmar.rc PROPERTIES OBJECT_DEPENDS ${VOLMAR_ICO})
add_dependencies(volmar volmar-ico)
set_target_properties(volmar PROPERTIES WIN32_EXECUTABLE ON)

# The about box reads the version resource (version.dll); the command line is
# split by CommandLineToArgvW (shell32.dll).
target_link_libraries(volmar_settings PUBLIC version shell32)
target_link_libraries(volmar_document PUBLIC shell32)
