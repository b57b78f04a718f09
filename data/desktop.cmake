# What makes the program a citizen of the desktop: the menu entry, the icon in every size a
# launcher asks for, and the software centre's description. The PNGs are drawn from the one
# SVG at build time into the build tree's share/icons, where the program finds its window icon
# just as it does in an installed prefix.
find_program(ZENTROVA_RSVG_CONVERT rsvg-convert REQUIRED)

set(zentrova_icon_source ${CMAKE_CURRENT_SOURCE_DIR}/desktop/${ZENTROVA_APP_ID}.svg)
set(zentrova_icon_root ${CMAKE_BINARY_DIR}/share/icons/hicolor)
set(zentrova_icon_outputs ${zentrova_icon_root}/scalable/apps/${ZENTROVA_APP_ID}.svg)
add_custom_command(OUTPUT ${zentrova_icon_root}/scalable/apps/${ZENTROVA_APP_ID}.svg
  COMMAND ${CMAKE_COMMAND} -E copy ${zentrova_icon_source}
    ${zentrova_icon_root}/scalable/apps/${ZENTROVA_APP_ID}.svg
  DEPENDS ${zentrova_icon_source}
  VERBATIM)
foreach(size 16 32 48 64 128 256)
  set(output ${zentrova_icon_root}/${size}x${size}/apps/${ZENTROVA_APP_ID}.png)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${zentrova_icon_root}/${size}x${size}/apps
    COMMAND ${ZENTROVA_RSVG_CONVERT} --width ${size} --height ${size} --output ${output}
      ${zentrova_icon_source}
    DEPENDS ${zentrova_icon_source}
    VERBATIM)
  list(APPEND zentrova_icon_outputs ${output})
endforeach()

set(zentrova_desktop_root ${CMAKE_BINARY_DIR}/share)
configure_file(desktop/${ZENTROVA_APP_ID}.metainfo.xml.in
  ${zentrova_desktop_root}/metainfo/${ZENTROVA_APP_ID}.metainfo.xml @ONLY)
configure_file(desktop/${ZENTROVA_APP_ID}.desktop
  ${zentrova_desktop_root}/applications/${ZENTROVA_APP_ID}.desktop COPYONLY)
add_custom_target(zentrova_desktop_data ALL DEPENDS ${zentrova_icon_outputs})

install(DIRECTORY ${zentrova_icon_root} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${zentrova_desktop_root}/applications/${ZENTROVA_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${zentrova_desktop_root}/metainfo/${ZENTROVA_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
