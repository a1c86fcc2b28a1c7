# cmake -DINPUT=FILE -DOUTPUT=FILE.gz -P gzip.cmake
#
# Compresses a file the way Debian installs manual pages and changelogs:
# gzip -9n, best compression and no name or time stamp in the header, so
# that the same input always gives the same bytes.
foreach(var INPUT OUTPUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "gzip.cmake: ${var} is not set")
  endif()
endforeach()
execute_process(COMMAND gzip -9n --stdout "${INPUT}"
                OUTPUT_FILE "${OUTPUT}.tmp"
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  file(REMOVE "${OUTPUT}.tmp")
  message(FATAL_ERROR "gzip -9n ${INPUT} failed: ${status}")
endif()
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
