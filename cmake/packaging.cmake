# The Debian package: `cpack -G DEB` in a build folder (scripts/package). Its dependencies are read off the binaries by dpkg-shlibdeps;
# it needs no maintainer scripts, the desktop's own triggers index the menu entry, icons,
# metainfo and manual pages.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zentrova)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Zentrova developers")
set(CPACK_PACKAGE_CONTACT "The Zentrova developers <maintainers@zentrova.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "submit a web page to search engines and directories")
# The long description below the summary line; CPack indents it and marks the blank line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Zentrova promotes one web page. A session describes the page: its address, title,
description, keyword phrases and the owner's contact details. Zentrova submits the page
to every engine of its Online Queue through an embedded browser, judges each reply,
keeps the reply pages and writes a summary report. It also writes META tags, promotes
the deeper pages of a site and runs batches of sessions.

The companion tool zentrova-tool runs a session's queue without a window, for scripts
and timers, and builds the submission database from its readable source.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://zentrova.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# The installed layout is relocatable (bin/ finds ../share/zentrova), so the package can be
# made from any build, whatever prefix it was configured with.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
