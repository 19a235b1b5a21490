# Writes an umbrella header that includes every public header of a library, so
# families can be added without editing a shared list.
function(tarvelin_umbrella_header target include_root subdir name)
  file(GLOB headers CONFIGURE_DEPENDS RELATIVE ${include_root} ${include_root}/${subdir}/*.h)
  list(SORT headers)
  list(REMOVE_ITEM headers ${subdir}/${name})
  set(body "/* Generated: includes every public header of this library. */\n#pragma once\n")
  foreach(h ${headers})
    string(APPEND body "#include <${h}>\n")
  endforeach()
  set(out ${CMAKE_BINARY_DIR}/include/${subdir}/${name})
  file(CONFIGURE OUTPUT ${out} CONTENT "${body}")
  target_include_directories(${target} PUBLIC ${CMAKE_BINARY_DIR}/include)
endfunction()
