# The Debian packages (cpack -G DEB in the build folder), one per install
# component, under /usr, each with its Depends computed from its shared
# objects by dpkg-shlibdeps: draftcalc, the programs and their data (the
# default component), and python3-draftcalc, the Python module (component
# python), when it is built.
set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL draftcalc)
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
# Each package's description; CPack puts the summary line before it.
set(CPACK_DEBIAN_DRAFTCALC_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_DEBIAN_DRAFTCALC_PACKAGE_NAME draftcalc)
set(CPACK_DEBIAN_DRAFTCALC_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_DRAFTCALC_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's Japanese captions are drawn in this font where it is installed.
set(CPACK_DEBIAN_DRAFTCALC_PACKAGE_RECOMMENDS fonts-ipaexfont-gothic)

if(DRAFTCALC_BUILD_PYTHON)
  list(APPEND CPACK_COMPONENTS_ALL python)
  set(CPACK_DEBIAN_PYTHON_PACKAGE_NAME python3-draftcalc)
  set(CPACK_DEBIAN_PYTHON_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PYTHON_PACKAGE_SECTION python)
  # The module is built for one Python version (its file name says which):
  # Debian's python3 of that version, as Debian's own extension modules
  # depend on it.
  math(EXPR next_minor "${Python_VERSION_MINOR} + 1")
  set(CPACK_DEBIAN_PYTHON_PACKAGE_DEPENDS
      "python3 (>= ${Python_VERSION_MAJOR}.${Python_VERSION_MINOR}~), python3 (<< ${Python_VERSION_MAJOR}.${next_minor})")
  # calculate_frame and candidates_frame need pandas; the Dask example
  # needs distributed.
  set(CPACK_DEBIAN_PYTHON_PACKAGE_SUGGESTS "python3-pandas, python3-distributed")
  set(CPACK_DEBIAN_PYTHON_DESCRIPTION [[The Python 3 module draftcalc: the calculation engine of draftcalc, which
computes the constructions of plane geometry that machining and drafting
need (angles of lines, tangents, intersections, circles touching points,
lines and circles), with the same results as the window and draftcalc-cli.

It gives the results as texts, exactly as draftcalc-cli writes them, or as
numbers, for one calculation, many records or every row of a pandas
DataFrame, and every answer of a construction with the box edits that
select it.]])
endif()
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
