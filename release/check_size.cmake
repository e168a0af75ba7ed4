# Fails when FILE is larger than MAX bytes:  cmake -DFILE=... -DMAX=... -P check_size.cmake
file(SIZE "${FILE}" size)
if(size GREATER MAX)
  message(FATAL_ERROR "${FILE} is ${size} bytes, more than the ${MAX} allowed")
endif()
message(STATUS "${FILE}: ${size} bytes (at most ${MAX})")
