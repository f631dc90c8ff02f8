# The Debian package (cpack -G DEB in the build folder): what the install
# rules install, under /usr, with its Depends computed from the programs'
# shared libraries by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME draftcalc)
set(CPACK_PACKAGE_VENDOR "the draftcalc developers")
set(CPACK_PACKAGE_CONTACT "${DRAFTCALC_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for the geometric constructions of drafting")
set(CPACK_PACKAGE_DESCRIPTION [[
draftcalc computes the constructions of plane geometry that machining and
drafting need: the angle of a line through two points, tangents from a point
or between two circles, intersections of lines and circles, circles of a
given radius touching points, lines and circles, the circle through three
points and the circle touching three lines.

The package holds the desktop window, with a drawing to scale of the inputs
and the answer, and draftcalc-cli, which runs the same calculations on the
command line and in batch over CSV files.]])
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's Japanese captions are drawn in this font where it is installed.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-ipaexfont-gothic)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
