# cmake -DBUILD_DIR=... -DCHECKS="target:header;..." -P check_layers.cmake
# Builds each probe target and passes only if every one fails because its header is out of reach.
foreach(check IN LISTS CHECKS)
  string(REPLACE ":" ";" fields ${check})
  list(GET fields 0 target)
  list(GET fields 1 header)
  execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${target}
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  string(REGEX REPLACE "([.+])" "\\\\\\1" pattern "${header}")
  if(result EQUAL 0)
    message(SEND_ERROR "${target} compiled an include of ${header}")
  elseif(NOT output MATCHES "${pattern}: No such file or directory|'${pattern}' file not found")
    message(SEND_ERROR "${target} failed for another reason than reaching ${header}:\n${output}")
  endif()
endforeach()
