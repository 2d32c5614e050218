# The layers of the code under src/, from the bottom up, and the folders of each. A layer's
# code includes only its own folders and those of the layers below it; the build enforces it:
# each layer compiles against an include root that holds links to just those folders, made at
# configure time, so an include that points up names no file. The behaviour layer is one
# library per folder, in the order its folders may use each other (combat is used by explore,
# explore by scenes, and so on up to items). Over the core, replay (scripted play) and solve
# (the route finder's search) are libraries of their own.
set(gravenhold_layers base model state drawing script
                      combat explore scenes persist characters items game extras replay solve)
set(gravenhold_base_folders world picture platform io)
set(gravenhold_model_folders window)
set(gravenhold_state_folders state)
set(gravenhold_drawing_folders render sound)
set(gravenhold_script_folders script)
foreach(layer combat explore scenes persist characters items game extras replay solve)
  set(gravenhold_${layer}_folders ${layer})
endforeach()

set(GRAVENHOLD_INCLUDE_ROOTS "${CMAKE_BINARY_DIR}/include_roots")

# gravenhold_include_root(NAME FOLDER...): the include root NAME, a folder of links to the
# named folders of src/ and to nothing else.
function(gravenhold_include_root name)
  set(root "${GRAVENHOLD_INCLUDE_ROOTS}/${name}")
  file(MAKE_DIRECTORY "${root}")
  file(GLOB entries LIST_DIRECTORIES true RELATIVE "${root}" "${root}/*")
  foreach(entry IN LISTS entries)
    if(NOT entry IN_LIST ARGN)
      file(REMOVE "${root}/${entry}") # a link left from an earlier layout
    endif()
  endforeach()
  foreach(folder IN LISTS ARGN)
    file(CREATE_LINK "${CMAKE_SOURCE_DIR}/src/${folder}" "${root}/${folder}" SYMBOLIC)
  endforeach()
endfunction()
