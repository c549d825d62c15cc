# rosewick_layer(folder [deps...]): a static library rw_<folder> from every source in <folder>/.
function(rosewick_layer folder)
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp)
  if(NOT srcs)
    # An empty layer still exists so the layers above can link it.
    set(srcs ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
  endif()
  add_library(rw_${folder} STATIC ${srcs})
  target_include_directories(rw_${folder} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(rw_${folder} PUBLIC ${ARGN})
endfunction()
