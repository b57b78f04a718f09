# The submission database, the string table and the installation defaults.
# The two tables are compiled from their readable sources by the freshly built companion
# tool, so the shipped files always match the format the program reads.
set(zentrova_database ${ZENTROVA_DATA_BUILD_DIR}/kelvox.dll)
set(zentrova_strings ${ZENTROVA_DATA_BUILD_DIR}/strings.tbl)
set(zentrova_defaults ${ZENTROVA_DATA_BUILD_DIR}/defaults.ini)

add_custom_command(OUTPUT ${zentrova_database}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${ZENTROVA_DATA_BUILD_DIR}
  COMMAND zentrova-tool db compile ${CMAKE_CURRENT_SOURCE_DIR}/database.source -o ${zentrova_database}
  DEPENDS zentrova-tool ${CMAKE_CURRENT_SOURCE_DIR}/database.source
  COMMENT "Compiling the submission database"
  VERBATIM)
add_custom_command(OUTPUT ${zentrova_strings}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${ZENTROVA_DATA_BUILD_DIR}
  COMMAND zentrova-tool strings compile ${CMAKE_CURRENT_SOURCE_DIR}/strings.source -o ${zentrova_strings}
  DEPENDS zentrova-tool ${CMAKE_CURRENT_SOURCE_DIR}/strings.source
  COMMENT "Compiling the string table"
  VERBATIM)
add_custom_command(OUTPUT ${zentrova_defaults}
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/defaults.ini ${zentrova_defaults}
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/defaults.ini
  VERBATIM)
add_custom_target(zentrova_tables ALL
  DEPENDS ${zentrova_database} ${zentrova_strings} ${zentrova_defaults})

install(FILES ${zentrova_database} ${zentrova_strings} ${zentrova_defaults}
  DESTINATION ${ZENTROVA_DATA_INSTALL_DIR})
