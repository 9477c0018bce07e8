# Checks the release day as the build writes it (cmake/release_date.cmake) against date(1), for
# days at the edges of months, leap years and centuries; and that a day the calendar does not
# have stops the build.
#   cmake -DSOURCE_DIR=<source> -P release_date_test.cmake
set(failures)
foreach(date_given 2026-12-08 1970-01-01 1999-12-31 2000-02-29 2000-03-01 2023-02-28 2024-02-29
            2024-03-01 2038-01-19 2100-02-28 2100-03-01)
  set(ZARKEL_RELEASE_DATE ${date_given})
  include(${SOURCE_DIR}/cmake/release_date.cmake)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C TZ=UTC
                          date -u -d ${date_given} "+%s|%a, %d %b %Y %H:%M:%S %z|%-d %B %Y"
                  OUTPUT_VARIABLE expected OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "date(1) could not read ${date_given}")
  endif()
  set(got "${ZARKEL_RELEASE_EPOCH}|${ZARKEL_RELEASE_RFC2822}|${ZARKEL_RELEASE_DATE_TEXT}")
  if(NOT got STREQUAL expected)
    list(APPEND failures "${date_given}: '${got}', date(1) says '${expected}'")
  endif()
endforeach()
foreach(date_given 2026-02-29 2100-02-29 2026-04-31 2026-13-01 2026-00-10 08.12.2026)
  execute_process(COMMAND ${CMAKE_COMMAND} -DZARKEL_RELEASE_DATE=${date_given}
                          -P ${SOURCE_DIR}/cmake/release_date.cmake
                  RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
  if(status EQUAL 0)
    list(APPEND failures "${date_given} was taken as a release day")
  endif()
endforeach()
if(failures)
  list(JOIN failures "\n" failures)
  message(FATAL_ERROR "${failures}")
endif()
