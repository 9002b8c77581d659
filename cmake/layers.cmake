# vhfcom_layer(<name> [USES <layer>...]) makes the static library
# vhfcom_<name> of the folder src/<name>, linked to the layers it uses.
#
# A layer is compiled against its own headers and those of the layers it uses,
# and no others, so an include that runs upward fails to build. Each layer's
# folder is reached through a folder of its own in the build tree that holds
# one link, layers/<name>/<name> -> src/<name>: `#include "<name>/..."` then
# resolves for exactly the libraries that link vhfcom_<name>.
function(vhfcom_layer name)
  cmake_parse_arguments(LAYER "" "" "USES" ${ARGN})
  add_library(vhfcom_${name} STATIC)
  set(view ${PROJECT_BINARY_DIR}/layers/${name})
  file(MAKE_DIRECTORY ${view})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${view}/${name} SYMBOLIC)
  target_include_directories(vhfcom_${name} PUBLIC ${view})
  list(TRANSFORM LAYER_USES PREPEND vhfcom_)
  target_link_libraries(vhfcom_${name} PUBLIC ${LAYER_USES})
endfunction()
