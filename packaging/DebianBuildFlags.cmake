# The package build compiles and links with Debian's build flags, as a Debian
# package is built: fortified functions, the stack protector, format checks,
# read-only relocations bound at start. Its stripping also drops the
# compilers' .comment and .note sections, as Debian's does.
option(KELVORA_DEBIAN_BUILD_FLAGS "Build with dpkg-buildflags' flags, hardening included, for the Debian packages" OFF)
if(NOT KELVORA_DEBIAN_BUILD_FLAGS)
  return()
endif()
find_program(KELVORA_DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                          ${KELVORA_DPKG_BUILDFLAGS} --get ${kind}
                  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                  OUTPUT_VARIABLE debian_${kind} OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endforeach()
message(STATUS "Debian build flags: ${debian_CPPFLAGS} ${debian_CXXFLAGS} | ${debian_LDFLAGS}")
string(APPEND CMAKE_CXX_FLAGS " ${debian_CPPFLAGS} ${debian_CXXFLAGS}")
foreach(kind EXE SHARED MODULE)
  string(APPEND CMAKE_${kind}_LINKER_FLAGS " ${debian_LDFLAGS}")
endforeach()

find_program(KELVORA_SYSTEM_STRIP strip REQUIRED)
set(CMAKE_STRIP ${CMAKE_BINARY_DIR}/strip-for-debian)
file(CONFIGURE OUTPUT ${CMAKE_STRIP} @ONLY CONTENT [[#!/bin/sh
exec "@KELVORA_SYSTEM_STRIP@" --remove-section=.comment --remove-section=.note "$@"
]])
file(CHMOD ${CMAKE_STRIP} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
