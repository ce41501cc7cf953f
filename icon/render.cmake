# The icon is one SVG drawing, icon/velmora.svg; every image the program and
# the desktops need is rendered from it at build time by Debian's tools:
# rsvg-convert (librsvg2-bin), and ImageMagick for the 256-colour image.
find_program(VELMORA_RSVG_CONVERT rsvg-convert REQUIRED)
set(VELMORA_ICON_SVG ${CMAKE_CURRENT_LIST_DIR}/velmora.svg)

# Renders the icon as a SIZE × SIZE PNG at OUTPUT. With PALETTE, in at most 256
# colours; with MASKED as well, its transparency is all or nothing, as the mask
# of a 256-colour Windows icon holds it.
function(velmora_icon_png output size)
  cmake_parse_arguments(ARG "PALETTE;MASKED" "" "" ${ARGN})
  get_filename_component(dir ${output} DIRECTORY)
  if(ARG_PALETTE)
    find_program(VELMORA_IMAGEMAGICK convert REQUIRED)
    set(rendered ${output}.rgba.png)
    set(mask)
    if(ARG_MASKED)
      set(mask -channel A -threshold 50% +channel)
    endif()
    set(reduce COMMAND ${VELMORA_IMAGEMAGICK} ${rendered} ${mask} -colors 256 -type PaletteAlpha
                       -strip -define png:exclude-chunks=date,time ${output})
  else()
    set(rendered ${output})
    set(reduce)
  endif()
  add_custom_command(OUTPUT ${output}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
                     COMMAND ${VELMORA_RSVG_CONVERT} -w ${size} -h ${size} -o ${rendered}
                             ${VELMORA_ICON_SVG}
                     ${reduce}
                     DEPENDS ${VELMORA_ICON_SVG}
                     COMMENT "Rendering the ${size} px icon"
                     VERBATIM)
endfunction()

# Renders the icon for launchers that cut it to a shape of their own (a
# circle, a rounded square): the drawing within the middle 70 %, on a white
# plate that fills the whole SIZE × SIZE square.
function(velmora_icon_maskable_png output size)
  find_program(VELMORA_IMAGEMAGICK convert REQUIRED)
  math(EXPR inner "${size} * 7 / 10")
  get_filename_component(dir ${output} DIRECTORY)
  add_custom_command(OUTPUT ${output}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
                     COMMAND ${VELMORA_RSVG_CONVERT} -w ${inner} -h ${inner} -o ${output}.inner.png
                             ${VELMORA_ICON_SVG}
                     COMMAND ${VELMORA_IMAGEMAGICK} ${output}.inner.png -background white -gravity
                             center -extent ${size}x${size} -strip
                             -define png:exclude-chunks=date,time ${output}
                     COMMAND ${CMAKE_COMMAND} -E rm ${output}.inner.png
                     DEPENDS ${VELMORA_ICON_SVG}
                     COMMENT "Rendering the ${size} px maskable icon"
                     VERBATIM)
endfunction()
