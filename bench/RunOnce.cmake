# Runs one bench once with its smallest figures, as a test: it must end with
# status 0 and print its table, a line matching TABLE. Its figures are never
# judged. Usage: cmake -DTABLE=REGEX -P RunOnce.cmake -- COMMAND [ARGUMENT...]
set(command)
set(after_dashes FALSE)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(index RANGE ${last})
    if(after_dashes)
        list(APPEND command "${CMAKE_ARGV${index}}")
    elseif("${CMAKE_ARGV${index}}" STREQUAL "--")
        set(after_dashes TRUE)
    endif()
endforeach()

execute_process(COMMAND ${command} OUTPUT_VARIABLE output ERROR_VARIABLE errors
                RESULT_VARIABLE status)
message("${output}${errors}")
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${command}: ended with ${status}")
endif()
if(NOT output MATCHES "${TABLE}")
    message(FATAL_ERROR "${command}: printed no line matching ${TABLE}")
endif()
