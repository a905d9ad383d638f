# Fails on every #include "FOLDER/..." of a src/ folder (and of the simulator) that
# the folder's row in CONTRIBUTING.md does not allow, naming the file and the line.
# The rows are read from CONTRIBUTING.md itself, so the table stays the one rule:
# a folder may include its own headers and those of each kelvra_ library its row
# links. With one include root for every library the compiler would not notice.
#
#   cmake -DSOURCE_DIR=<tree> -P CheckIncludes.cmake

cmake_minimum_required(VERSION 3.25)

file(STRINGS "${SOURCE_DIR}/CONTRIBUTING.md" rows REGEX "^\\| `(src|tools)/[^`]+/` \\|")
if(NOT rows)
    message(FATAL_ERROR "CONTRIBUTING.md: no layer rows found")
endif()

file(GLOB layer_folders LIST_DIRECTORIES true RELATIVE "${SOURCE_DIR}/src" "${SOURCE_DIR}/src/*")
set(checked_folders "")
set(faults 0)
foreach(row IN LISTS rows)
    string(REGEX MATCH "^\\| `([^`]+)/` \\|[^|]*\\|([^|]*)\\|" _ "${row}")
    set(folder "${CMAKE_MATCH_1}")
    set(links "${CMAKE_MATCH_2}")
    get_filename_component(own "${folder}" NAME)
    set(allowed "${own}")
    string(REGEX MATCHALL "`kelvra_[a-z]+`" libraries "${links}")
    foreach(library IN LISTS libraries)
        string(REGEX REPLACE "`kelvra_([a-z]+)`" "\\1" name "${library}")
        list(APPEND allowed "${name}")
    endforeach()
    list(APPEND checked_folders "${folder}")

    file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/${folder}/*.h"
         "${SOURCE_DIR}/${folder}/*.cpp")
    foreach(source IN LISTS sources)
        file(STRINGS "${SOURCE_DIR}/${source}" lines)
        set(number 0)
        foreach(line IN LISTS lines)
            math(EXPR number "${number} + 1")
            if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([a-z]+)/[^\"]*\"")
                set(target "${CMAKE_MATCH_1}")
                if(target IN_LIST layer_folders AND NOT target IN_LIST allowed)
                    message("${source}:${number}: includes ${target}/, which the row of "
                            "${folder}/ in CONTRIBUTING.md does not allow")
                    math(EXPR faults "${faults} + 1")
                endif()
            endif()
        endforeach()
    endforeach()
endforeach()

# A folder without a row would go unchecked.
foreach(folder IN LISTS layer_folders)
    if(IS_DIRECTORY "${SOURCE_DIR}/src/${folder}" AND NOT "src/${folder}" IN_LIST checked_folders)
        message("src/${folder}/ has no row in CONTRIBUTING.md")
        math(EXPR faults "${faults} + 1")
    endif()
endforeach()

if(faults GREATER 0)
    message(FATAL_ERROR "${faults} include(s) against the layers")
endif()
