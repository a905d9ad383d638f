# PNG renditions of the window's SVG pictures, for a Qt that reads no SVG (the
# Windows cross build's Qt has no Svg module): each icon at the sides the window
# draws icons at, 1x and 2x; the logo at the header's picture room, 1x and 2x;
# the mark at the program icon's sizes. Without rsvg-convert there are none.
set(kelvra_icon_pictures connect arrow-down-right exit apply clear-log)
set(kelvra_icon_sides 16 24 32 48)
set(kelvra_logo_width 117)
set(kelvra_logo_height 28)

# kelvra_add_renditions(TARGET): the renditions as the resource "kelvra_renditions"
# under :/renditions, as NAME-SIDE.png and NAME-SIDE@2x.png, and
# KELVRA_PICTURE_RENDITIONS defined for TARGET.
function(kelvra_add_renditions target)
    if(NOT KELVRA_RSVG_CONVERT)
        message(STATUS "rsvg-convert not found: no PNG renditions of the window's pictures")
        return()
    endif()
    set(dir ${CMAKE_CURRENT_BINARY_DIR}/renditions)
    file(MAKE_DIRECTORY ${dir})
    set(files)
    # kelvra_render_twice(NAME LABEL WIDTH HEIGHT): NAME-LABEL.png and its @2x.
    macro(kelvra_render_twice name label width height)
        math(EXPR width2 "${width} * 2")
        math(EXPR height2 "${height} * 2")
        set(svg ${CMAKE_CURRENT_SOURCE_DIR}/resources/${name}.svg)
        kelvra_render(${svg} ${dir}/${name}-${label}.png ${width} ${height})
        kelvra_render(${svg} ${dir}/${name}-${label}@2x.png ${width2} ${height2})
        list(APPEND files ${dir}/${name}-${label}.png ${dir}/${name}-${label}@2x.png)
    endmacro()
    foreach(name ${kelvra_icon_pictures})
        foreach(side ${kelvra_icon_sides})
            kelvra_render_twice(${name} ${side} ${side} ${side})
        endforeach()
    endforeach()
    kelvra_render_twice(logo ${kelvra_logo_width} ${kelvra_logo_width} ${kelvra_logo_height})
    kelvra_render_marks(${dir} marks)
    list(APPEND files ${marks})
    qt_add_resources(${target} kelvra_renditions PREFIX /renditions BASE ${dir} FILES ${files})
    target_compile_definitions(${target} PRIVATE KELVRA_PICTURE_RENDITIONS)
endfunction()
