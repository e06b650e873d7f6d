# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DSCDOC=... -DGZIP=... -DSOURCE=page.1.scd -DOUTPUT=page.1.gz -P ScdocPage.cmake
# One manual page: scdoc's roff, compressed as Debian wants it (gzip -9n: best, no name or time).
execute_process(COMMAND ${SCDOC} INPUT_FILE ${SOURCE} OUTPUT_FILE ${OUTPUT}.roff
  RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  file(REMOVE ${OUTPUT}.roff)
  message(FATAL_ERROR "scdoc ${SOURCE}: ${errors}")
endif()
execute_process(COMMAND ${GZIP} -9nc INPUT_FILE ${OUTPUT}.roff OUTPUT_FILE ${OUTPUT}
  RESULT_VARIABLE status)
file(REMOVE ${OUTPUT}.roff)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "gzip ${SOURCE}: failed")
endif()
