# What `cmake --install` puts where (GNU layout under the prefix) and the checks
# of the installed files. The programs look for their data in ../share/tavro
# beside bin/, so the data directory must stay share/ under the same prefix.
include(GNUInstallDirs)

set(TAVRO_APP_ID org.velmora.Tavro)
set(TAVRO_HOMEPAGE "https://velmora.org/tavro" CACHE STRING "The project's home page")
set(TAVRO_SCREENSHOTS "${TAVRO_HOMEPAGE}/docs" CACHE STRING "Where the pictures of docs/ are published")
set(pkg ${CMAKE_SOURCE_DIR}/packaging)
set(out ${CMAKE_BINARY_DIR}/packaging)

# The release in the changelog is the one being built; a version bump needs a
# changelog entry.
file(STRINGS ${pkg}/changelog changelog_top LIMIT_COUNT 1)
if(NOT changelog_top MATCHES "^tavro \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog starts with '${changelog_top}', not version ${PROJECT_VERSION}")
endif()

# What the About box says of the project: its home page, the year of the
# copyright (as the copyright file has it) and where the licence text is installed.
file(STRINGS ${pkg}/copyright copyright_line REGEX "^Copyright: [0-9]+" LIMIT_COUNT 1)
string(REGEX MATCH "[0-9]+" TAVRO_COPYRIGHT_YEAR "${copyright_line}")
target_compile_definitions(tavro_qt PUBLIC TAVRO_HOMEPAGE="${TAVRO_HOMEPAGE}"
  TAVRO_COPYRIGHT_YEAR="${TAVRO_COPYRIGHT_YEAR}" TAVRO_INSTALLED_LICENCE="${CMAKE_INSTALL_FULL_DOCDIR}/LICENSE")

configure_file(${pkg}/${TAVRO_APP_ID}.metainfo.xml.in ${out}/${TAVRO_APP_ID}.metainfo.xml @ONLY)

# Manual pages and the changelog go compressed, without time stamps, so the
# package is the same on every build.
set(gzipped)
foreach(file man/tavro.1 man/tavro-cli.1 changelog)
  get_filename_component(name ${file} NAME)
  add_custom_command(OUTPUT ${out}/${name}.gz
    COMMAND sh -c "gzip -9nc '${pkg}/${file}' > '${out}/${name}.gz'"
    DEPENDS ${pkg}/${file} VERBATIM)
  list(APPEND gzipped ${out}/${name}.gz)
endforeach()
add_custom_target(tavro_install_files ALL DEPENDS ${gzipped})

install(TARGETS tavro tavro-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/assets/ DESTINATION ${CMAKE_INSTALL_DATADIR}/tavro)
install(FILES ${pkg}/${TAVRO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${out}/${TAVRO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${pkg}/icons/${TAVRO_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 48 256)
  install(FILES ${pkg}/icons/${TAVRO_APP_ID}-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${TAVRO_APP_ID}.png)
endforeach()
install(FILES ${out}/tavro.1.gz ${out}/tavro-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${pkg}/bash-completion/tavro-cli DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
# Debian names a native package's changelog changelog.gz.
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE ${pkg}/copyright ${out}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

if(TAVRO_TESTS)
  add_test(NAME install_desktop_entry COMMAND desktop-file-validate ${pkg}/${TAVRO_APP_ID}.desktop)
  add_test(NAME install_metainfo COMMAND appstreamcli validate --no-net ${out}/${TAVRO_APP_ID}.metainfo.xml)
  add_test(NAME install_cli_documented
    COMMAND bash ${pkg}/tests/check_cli_documented.sh $<TARGET_FILE:tavro-cli> ${pkg})
  # Builds the package from this tree, unpacks it and runs the programs from there.
  add_test(NAME install_package_runs COMMAND bash ${pkg}/tests/check_package.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(install_package_runs PROPERTIES TIMEOUT 600)
endif()
