# Turns CHANGELOG.md into a Debian changelog, the form Debian's tools read.
#   cmake -DINPUT=CHANGELOG.md -DOUTPUT=changelog -DPACKAGE=name -DVERSION=x.y
#         -DMAINTAINER="Name <address>" -P DebianChangelog.cmake
# A release is "## VERSION (YYYY-MM-DD)" followed by "- " items, which may go on
# over indented lines.
file(STRINGS ${INPUT} lines ENCODING UTF-8)
set(result "")
set(entry_end "")
foreach(line IN LISTS lines)
    if(line MATCHES "^## ([^ ]+) \\(([0-9-]+)\\)$")
        set(release ${CMAKE_MATCH_1})
        if(result STREQUAL "" AND NOT release STREQUAL VERSION)
            message(FATAL_ERROR "${INPUT}: the newest release is ${release}, the project is ${VERSION}")
        endif()
        execute_process(COMMAND date -u -R -d "${CMAKE_MATCH_2} 12:00"
                        OUTPUT_VARIABLE date OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        string(APPEND result "${entry_end}${PACKAGE} (${release}) unstable; urgency=medium\n\n")
        set(entry_end "\n -- ${MAINTAINER}  ${date}\n\n")
    elseif(entry_end AND line MATCHES "^- (.*)")
        string(APPEND result "  * ${CMAKE_MATCH_1}\n")
    elseif(entry_end AND line MATCHES "^  +(.*)")
        string(APPEND result "    ${CMAKE_MATCH_1}\n")
    endif()
endforeach()
if(result STREQUAL "")
    message(FATAL_ERROR "${INPUT}: no release heading")
endif()
string(REGEX REPLACE "\n\n$" "\n" entry_end "${entry_end}")
file(WRITE ${OUTPUT} "${result}${entry_end}")
