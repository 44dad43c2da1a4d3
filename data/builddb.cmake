# Loads each SQL file into a fresh database; any bad line fails the build.
file(REMOVE ${OUT} ${OUT}.tmp)
foreach(f IN LISTS FILES)
  execute_process(COMMAND ${SQLITE3} -bail ${OUT}.tmp
                  INPUT_FILE ${f} RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    file(REMOVE ${OUT}.tmp)
    message(FATAL_ERROR "${f}: ${err}")
  endif()
endforeach()
file(RENAME ${OUT}.tmp ${OUT})
