# Help pages and pictures of the windows: copied into the build tree's data folder at build
# time and installed beside the rest of the data.
file(GLOB zentrova_help_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/help/*)
file(GLOB zentrova_picture_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/pictures/*.svg)

set(zentrova_ui_data_outputs)
foreach(source ${zentrova_help_sources} ${zentrova_picture_sources})
  file(RELATIVE_PATH relative ${CMAKE_CURRENT_SOURCE_DIR} ${source})
  set(output ${ZENTROVA_DATA_BUILD_DIR}/${relative})
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${output}
    DEPENDS ${source}
    VERBATIM)
  list(APPEND zentrova_ui_data_outputs ${output})
endforeach()
add_custom_target(zentrova_ui_data ALL DEPENDS ${zentrova_ui_data_outputs})

install(DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/help ${CMAKE_CURRENT_SOURCE_DIR}/pictures
  DESTINATION ${ZENTROVA_DATA_INSTALL_DIR})
