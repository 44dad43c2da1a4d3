# Writes the dynamic list of the program: the symbols its parts take from the
# executable (every symbol the parts leave undefined but the standard
# library's; those the executable does not define are ignored by the linker).
#   cmake -DNM=nm -DOUT=list "-DPARTS=a.so;b.so" -P PartExports.cmake
set(symbols)
foreach(part IN LISTS PARTS)
  execute_process(COMMAND ${NM} -D --undefined-only --format=posix ${part}
                  OUTPUT_VARIABLE out RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${NM} failed on ${part}")
  endif()
  string(REPLACE "\n" ";" lines "${out}")
  foreach(line IN LISTS lines)
    string(REGEX MATCH "^[^ @]+" name "${line}")
    # The standard library's own instantiations stay with the standard library.
    if(name AND NOT name MATCHES "^_Z(Z|GVZ|T[ISV])?N?K?St")
      list(APPEND symbols "${name}")
    endif()
  endforeach()
endforeach()
list(REMOVE_DUPLICATES symbols)
list(SORT symbols)
set(text "{\n")
foreach(s IN LISTS symbols)
  string(APPEND text "  ${s};\n")
endforeach()
string(APPEND text "};\n")
file(WRITE ${OUT}.new "${text}")
file(COPY_FILE ${OUT}.new ${OUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUT}.new)
