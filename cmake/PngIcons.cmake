# Icons without QtSvg: every SVG of the toolbar and the application icon is
# drawn into PNG pictures at build time by volmar-svg2png built for the build
# machine, and compiled into the program as resources.
if(NOT VOLMAR_HOST_SVG2PNG)
  message(FATAL_ERROR "VOLMAR_HOST_SVG2PNG must name volmar-svg2png built for the build machine")
endif()

set(VOLMAR_PNG_ICON_DIR ${CMAKE_BINARY_DIR}/png-icons)

# Draws svg at each size into ${VOLMAR_PNG_ICON_DIR}/<group>/<size>/<name>.png
# and appends the pictures to the list out.
function(volmar_png_icon out group svg name)
  set(pngs ${${out}})
  foreach(size ${ARGN})
    set(png ${VOLMAR_PNG_ICON_DIR}/${group}/${size}/${name}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${VOLMAR_PNG_ICON_DIR}/${group}/${size}
      COMMAND ${VOLMAR_HOST_SVG2PNG} ${svg} ${size} ${png}
      DEPENDS ${svg})
    list(APPEND pngs ${png})
  endforeach()
  set(${out} ${pngs} PARENT_SCOPE)
endfunction()

set(VOLMAR_TOOLBAR_ICON_SIZES 16 24 32 48)
file(GLOB toolbar_svgs ${CMAKE_SOURCE_DIR}/src/app/images/*.svg)
set(toolbar_pngs)
foreach(svg ${toolbar_svgs})
  get_filename_component(name ${svg} NAME_WE)
  volmar_png_icon(toolbar_pngs images ${svg} ${name} ${VOLMAR_TOOLBAR_ICON_SIZES})
endforeach()
set_source_files_properties(${toolbar_pngs} PROPERTIES GENERATED TRUE)
qt_add_resources(volmar_app volmar_toolbar_pngs PREFIX /images BASE ${VOLMAR_PNG_ICON_DIR}/images
                 FILES ${toolbar_pngs})

set(VOLMAR_APP_ICON_SIZES 16 24 32 48 64 128 256)
set(app_icon_pngs)
volmar_png_icon(app_icon_pngs settings ${CMAKE_SOURCE_DIR}/data/volmar.svg volmar ${VOLMAR_APP_ICON_SIZES})
set_source_files_properties(${app_icon_pngs} PROPERTIES GENERATED TRUE)
qt_add_resources(volmar_settings volmar_app_icon_pngs PREFIX /settings BASE ${VOLMAR_PNG_ICON_DIR}/settings
                 FILES ${app_icon_pngs})

# The Windows icon files of the program and of its project files, for the
# resource script and the installer.
find_program(VOLMAR_PYTHON3_HOST python3 REQUIRED)
foreach(icon volmar application-x-volmar-project)
  set(icon_pngs)
  volmar_png_icon(icon_pngs ico-${icon} ${CMAKE_SOURCE_DIR}/data/${icon}.svg ${icon} 16 24 32 48 256)
  set(ico ${CMAKE_BINARY_DIR}/${icon}.ico)
  add_custom_command(OUTPUT ${ico}
    COMMAND ${VOLMAR_PYTHON3_HOST} ${CMAKE_SOURCE_DIR}/tools/make_ico.py ${ico} ${icon_pngs}
    DEPENDS ${icon_pngs} ${CMAKE_SOURCE_DIR}/tools/make_ico.py)
  list(APPEND VOLMAR_ICO_FILES ${ico})
endforeach()
add_custom_target(volmar-ico ALL DEPENDS ${VOLMAR_ICO_FILES})
