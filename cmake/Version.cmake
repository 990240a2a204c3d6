# The program's version, read from resources/version.h (its one place) for the
# files CMake writes itself: QUILTMARK_VERSION_MAJOR, QUILTMARK_VERSION_MINOR
# and QUILTMARK_VERSION ("8.43"). Editing the header configures again.
set(QUILTMARK_VERSION_HEADER ${CMAKE_SOURCE_DIR}/resources/version.h)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${QUILTMARK_VERSION_HEADER})
file(READ ${QUILTMARK_VERSION_HEADER} _version_header)
foreach(part MAJOR MINOR)
  if(NOT _version_header MATCHES "\n#define QUILTMARK_VERSION_${part} ([0-9]+)\n")
    message(FATAL_ERROR "QUILTMARK_VERSION_${part} not found in ${QUILTMARK_VERSION_HEADER}")
  endif()
  set(QUILTMARK_VERSION_${part} ${CMAKE_MATCH_1})
endforeach()
set(QUILTMARK_VERSION ${QUILTMARK_VERSION_MAJOR}.${QUILTMARK_VERSION_MINOR})
