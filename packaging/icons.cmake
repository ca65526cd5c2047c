# The program's icon, drawn once as SVG and rendered at build time into the
# sizes of the hicolor icon theme. The window carries the rendered sizes; the
# package installs the SVG and all of them.
find_program(KV_RSVG_CONVERT rsvg-convert DOC "rsvg-convert, from Debian's librsvg2-bin")
if(NOT KV_RSVG_CONVERT)
  message(FATAL_ERROR "Rendering the icon needs rsvg-convert: install librsvg2-bin")
endif()

set(KV_ICON_SVG ${CMAKE_CURRENT_LIST_DIR}/kv2841a.svg)
set(KV_ICON_THEME_DIR ${PROJECT_BINARY_DIR}/icons/hicolor)
set(KV_ICON_PNGS)
foreach(size 16 22 24 32 48 64 128 256)
  set(apps_dir ${KV_ICON_THEME_DIR}/${size}x${size}/apps)
  add_custom_command(
    OUTPUT ${apps_dir}/${KV_DESKTOP_ID}.png
    COMMAND ${CMAKE_COMMAND} -E make_directory ${apps_dir}
    COMMAND ${KV_RSVG_CONVERT} --width=${size} --height=${size}
            --output=${apps_dir}/${KV_DESKTOP_ID}.png ${KV_ICON_SVG}
    DEPENDS ${KV_ICON_SVG}
    COMMENT "Rendering the icon at ${size}x${size}"
    VERBATIM)
  list(APPEND KV_ICON_PNGS ${apps_dir}/${KV_DESKTOP_ID}.png)
endforeach()
add_custom_target(kv2841a_icons DEPENDS ${KV_ICON_PNGS})
