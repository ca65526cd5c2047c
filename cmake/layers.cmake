# Reads the table of allowed arrows between the folders of src/ (src/layers.txt)
# into kv_uses_FOLDER, the folders FOLDER may use, and kv_layers, every folder.
file(STRINGS ${PROJECT_SOURCE_DIR}/src/layers.txt kv_layer_rows REGEX "^[a-z_]+:")
set(kv_layers "")
foreach(row IN LISTS kv_layer_rows)
  string(REGEX MATCH "^([a-z_]+):(.*)$" _ "${row}")
  list(APPEND kv_layers ${CMAKE_MATCH_1})
  separate_arguments(kv_uses_${CMAKE_MATCH_1} UNIX_COMMAND "${CMAKE_MATCH_2}")
endforeach()

# The library of one folder of src/, linking the libraries the table lets it use,
# and a program that links every object of it with those libraries alone, so
# that a call to a folder above fails to link.
function(kv_layer_library folder)
  if(NOT folder IN_LIST kv_layers)
    message(FATAL_ERROR "src/${folder} has no row in src/layers.txt")
  endif()
  add_library(kv_${folder} STATIC ${ARGN})
  target_include_directories(kv_${folder} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  list(TRANSFORM kv_uses_${folder} PREPEND kv_ OUTPUT_VARIABLE used)
  target_link_libraries(kv_${folder} PUBLIC ${used} PRIVATE kv_warnings kv_sanitize)
  add_executable(kv_${folder}_link_check ${PROJECT_SOURCE_DIR}/cmake/link_check.cpp)
  target_link_libraries(kv_${folder}_link_check
                        PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,kv_${folder}>" kv_sanitize)
endfunction()
