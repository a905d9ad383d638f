# Makes a manual page from a program's --help text, whose first line is its usage.
#   cmake -DPROGRAM=path -DNAME=name -DSUMMARY=text -DVERSION=x.y -DOUTPUT=page.1
#         -P ManualFromHelp.cmake
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help COMMAND_ERROR_IS_FATAL ANY)
# roff: a backslash is written \e, a minus \-, and a line must not begin with a
# control character.
string(REPLACE "\\" "\\e" help "${help}")
string(REPLACE "-" "\\-" help "${help}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
string(REGEX MATCH "^usage: ([^\n]*)\n(.*)$" usage "${help}")
if(NOT usage)
    message(FATAL_ERROR "${PROGRAM} --help does not begin with its usage")
endif()
set(synopsis "${CMAKE_MATCH_1}")
set(description "${CMAKE_MATCH_2}")
string(REPLACE "-" "\\-" roff_name "${NAME}")
string(TOUPPER "${roff_name}" title)
file(WRITE ${OUTPUT} ".TH ${title} 1 \"\" \"KelvraWizard ${VERSION}\" \"User Commands\"
.SH NAME
${roff_name} \\- ${SUMMARY}
.SH SYNOPSIS
${synopsis}
.SH DESCRIPTION
.nf
${description}.fi
")
