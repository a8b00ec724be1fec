# The same sources give the same bytes, whatever the folder, the time, the
# user's umask, locale or time zone (reproducible-builds.org). Every time
# stamp that goes into an output is SOURCE_DATE_EPOCH: the caller's, as
# dpkg-buildpackage exports it, else the date of the newest entry of
# debian/changelog, which is what dpkg-buildpackage would take.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(QUILL_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
  find_program(QUILL_DPKG_PARSECHANGELOG dpkg-parsechangelog REQUIRED)
  execute_process(
    COMMAND ${QUILL_DPKG_PARSECHANGELOG} -l ${PROJECT_SOURCE_DIR}/debian/changelog -STimestamp
    OUTPUT_VARIABLE QUILL_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endif()
if(NOT QUILL_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
  message(FATAL_ERROR "SOURCE_DATE_EPOCH is '${QUILL_SOURCE_DATE_EPOCH}', not a number of seconds")
endif()

if(WIN32)
  # MinGW-w64's linker and strip write SOURCE_DATE_EPOCH as the PE header's
  # time stamp when it is set, and the time of the build when not.
  set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${QUILL_SOURCE_DATE_EPOCH})
endif()
