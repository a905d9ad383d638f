# Rendering the project's SVG pictures to PNG at build time, with Debian's
# rsvg-convert (librsvg2-bin). Without it nothing is rendered and the callers do
# without the renditions.
find_program(KELVRA_RSVG_CONVERT rsvg-convert)

# The program's icon, the logo's square mark, at the sizes Windows and Qt ask for.
set(KELVRA_MARK_SVG ${PROJECT_SOURCE_DIR}/packaging/com.kelvra.KelvraWizard.svg)
set(KELVRA_MARK_SIDES 16 24 32 48 64 128 256)

# kelvra_render(SVG PNG WIDTH HEIGHT): one rendition, fitted into WIDTH x HEIGHT.
function(kelvra_render svg png width height)
    add_custom_command(
        OUTPUT ${png}
        COMMAND ${KELVRA_RSVG_CONVERT} --keep-aspect-ratio -w ${width} -h ${height} -o ${png} ${svg}
        DEPENDS ${svg} VERBATIM)
endfunction()

# kelvra_render_marks(DIR OUT_LIST): the mark at every KELVRA_MARK_SIDES, as
# DIR/mark-SIDE.png.
function(kelvra_render_marks dir out)
    set(marks)
    foreach(side ${KELVRA_MARK_SIDES})
        kelvra_render(${KELVRA_MARK_SVG} ${dir}/mark-${side}.png ${side} ${side})
        list(APPEND marks ${dir}/mark-${side}.png)
    endforeach()
    set(${out} ${marks} PARENT_SCOPE)
endfunction()
