# The Debian package of an installed build: `cpack --preset release` (scripts/package.sh).
set(PLX_PACKAGE_CONTACT "plx maintainers <plx@example.org>"
    CACHE STRING "Maintainer of the Debian package, as 'Name <e-mail>'")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME plx)
set(CPACK_PACKAGE_VENDOR plx)
set(CPACK_PACKAGE_CONTACT "${PLX_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "bilingual Hebrew calendar (Hebrew and English)")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION  # the control file's lines, each under 80 columns
  "plx shows the Hebrew and the civil date of any day, the festivals, fasts and"
  "memorial days, the Omer, the weekly Torah portion in Israel and abroad, the"
  "Daf Yomi, the molad and the halachic times of the day for a chosen place, in"
  "Hebrew (right to left) or English. It prints daily, weekly, monthly and yearly"
  "reports and yearly timetables."
  "plxcal, its command-line companion, gives the same calendar to scripts, with"
  "JSON output.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)  # Depends from the libraries the programs link
# and the faces the Hebrew texts are drawn in: DejaVu Sans, or else any Hebrew font.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core | culmus")
# Qt's own dialogs (print, files) and context menus in Hebrew; without it they stay in English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

include(CPack)
