# `cpack` (run by `make package`) builds a Debian package into dist/:
# tavro_<version>_<arch>.deb, installing under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Velmora <tavro@velmora.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Chinese lunisolar calendar calculator")
set(CPACK_PACKAGE_DESCRIPTION "Tavro converts any moment from 3001 BCE to 3000 CE between the Chinese
lunar and solar calendars (and their Vietnamese and Japanese variants), the
Common Era and Julian calendars, the Archetypes Calendar and Julian day
counts, with the element-animal and stem-branch names, the phase and age of
the Moon, and delta T. It moves through time, searches for moon phases,
solar terms and calendar events, lists new years and leap months, and draws
the lunar month as a calendar. The command tavro-cli gives the same
calculations to scripts.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TAVRO_HOMEPAGE})
# The shared libraries it links, found by dpkg-shlibdeps, plus the data it
# reads at run time: the ephemeris files and the fonts of its pictures.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "swe-standard-data, fonts-noto-cjk, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_SOURCE_DIR}/dist)
include(CPack)
