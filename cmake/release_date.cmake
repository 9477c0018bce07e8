# The release date of this version (ZARKEL_RELEASE_DATE, YYYY-MM-DD), checked and written out in
# the forms the build needs:
#   ZARKEL_RELEASE_DATE_TEXT  "8 December 2026", for --version and About
#   ZARKEL_RELEASE_EPOCH      seconds from 1970-01-01 to that day's midnight UTC: the time stamp
#                             of every file in the Debian package
#   ZARKEL_RELEASE_RFC2822    "Tue, 08 Dec 2026 00:00:00 +0000", the date of a Debian changelog
function(zarkel_release_date)
  string(REGEX MATCH "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$" date_ok
         "${ZARKEL_RELEASE_DATE}")
  if(NOT date_ok)
    message(FATAL_ERROR "ZARKEL_RELEASE_DATE must be YYYY-MM-DD, not \"${ZARKEL_RELEASE_DATE}\"")
  endif()
  set(year ${CMAKE_MATCH_1})
  set(day_2 ${CMAKE_MATCH_3})  # two digits
  math(EXPR month "${CMAKE_MATCH_2}")  # without leading zeros
  math(EXPR day "${CMAKE_MATCH_3}")
  set(month_days 31 28 31 30 31 30 31 31 30 31 30 31)
  math(EXPR by_4 "${year} % 4")
  math(EXPR by_100 "${year} % 100")
  math(EXPR by_400 "${year} % 400")
  if((by_4 EQUAL 0 AND NOT by_100 EQUAL 0) OR by_400 EQUAL 0)
    set(leap 1)
  else()
    set(leap 0)
  endif()
  if(month GREATER_EQUAL 1 AND month LESS_EQUAL 12)
    math(EXPR month_index "${month} - 1")
    list(GET month_days ${month_index} last_day)
    if(month EQUAL 2)
      math(EXPR last_day "${last_day} + ${leap}")
    endif()
  endif()
  if(NOT last_day OR day LESS 1 OR day GREATER last_day)
    message(FATAL_ERROR "ZARKEL_RELEASE_DATE ${ZARKEL_RELEASE_DATE} is not a day of the calendar")
  endif()

  set(month_names January February March April May June July August September October November
                  December)
  list(GET month_names ${month_index} month_name)
  set(ZARKEL_RELEASE_DATE_TEXT "${day} ${month_name} ${year}" PARENT_SCOPE)

  # Days since 1970-01-01 in the Gregorian calendar, the year counted from March so that the
  # leap day falls at its end (years from 1970 on: no negative division).
  if(month GREATER 2)
    set(march_year ${year})
    math(EXPR day_of_year "(153 * (${month} - 3) + 2) / 5 + ${day} - 1")
  else()
    math(EXPR march_year "${year} - 1")
    math(EXPR day_of_year "(153 * (${month} + 9) + 2) / 5 + ${day} - 1")
  endif()
  math(EXPR days "${march_year} * 365 + ${march_year} / 4 - ${march_year} / 100 \
                  + ${march_year} / 400 + ${day_of_year} - 719468")
  math(EXPR epoch "${days} * 86400")
  set(ZARKEL_RELEASE_EPOCH ${epoch} PARENT_SCOPE)

  math(EXPR weekday_index "(${days} + 4) % 7")  # 1970-01-01 was a Thursday
  set(weekdays Sun Mon Tue Wed Thu Fri Sat)
  list(GET weekdays ${weekday_index} weekday)
  string(SUBSTRING "${month_name}" 0 3 month_short)
  set(ZARKEL_RELEASE_RFC2822 "${weekday}, ${day_2} ${month_short} ${year} 00:00:00 +0000"
      PARENT_SCOPE)
endfunction()
zarkel_release_date()
