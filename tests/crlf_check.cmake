# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DFILE=PATH -P crlf_check.cmake: fails when the file has a line end other than CR LF.
# Read as hex (a text read drops carriage returns), one " xx" per byte.
file(READ "${FILE}" hex HEX)
string(REGEX REPLACE "(..)" " \\1" bytes "${hex}")
string(REPLACE " 0d 0a" "" rest "${bytes}")
string(FIND "${rest}" " 0a" bareLineFeed)
string(FIND "${rest}" " 0d" bareCarriageReturn)
if(NOT bareLineFeed EQUAL -1 OR NOT bareCarriageReturn EQUAL -1 OR rest STREQUAL bytes)
  message(FATAL_ERROR "${FILE}: every line must end in CR LF")
endif()
