# The drawing layer's built-in font (messages, debug overlay): rendered at build time from a
# system TrueType face by tools/imagefont and compiled into rw_platform.
find_package(Freetype REQUIRED)

set(_imagefont_dir /usr/share/fonts/truetype/dejavu)
if(EXISTS ${_imagefont_dir}/DejaVuSansMono-Bold.ttf)
  set(_imagefont_default ${_imagefont_dir}/DejaVuSansMono-Bold.ttf)
else()
  set(_imagefont_default ${_imagefont_dir}/DejaVuSansMono.ttf)
endif()
set(ROSEWICK_IMAGEFONT_TTF ${_imagefont_default} CACHE FILEPATH "Face of the built-in image font")
set(ROSEWICK_IMAGEFONT_PIXELS 10 CACHE STRING "Pixel size of the built-in image font")
if(NOT EXISTS ${ROSEWICK_IMAGEFONT_TTF})
  message(FATAL_ERROR "The built-in image font needs ${ROSEWICK_IMAGEFONT_TTF} (fonts-dejavu-core)")
endif()

add_executable(imagefont_gen ${CMAKE_SOURCE_DIR}/tools/imagefont/ImageFontGen.cpp)
target_link_libraries(imagefont_gen PRIVATE Freetype::Freetype)

set(_imagefont_out ${CMAKE_BINARY_DIR}/generated/ImageFontData.cpp)
add_custom_command(
  OUTPUT ${_imagefont_out}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
  COMMAND imagefont_gen ${ROSEWICK_IMAGEFONT_TTF} ${_imagefont_out} ${ROSEWICK_IMAGEFONT_PIXELS}
  DEPENDS imagefont_gen ${ROSEWICK_IMAGEFONT_TTF}
  COMMENT "Rendering the built-in image font")
target_sources(rw_platform PRIVATE ${_imagefont_out})
