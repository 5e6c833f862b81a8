# quintrick_include_root(target folder...)
# Gives a target of a Qt-free layer an include root of its own in the build tree that holds only
# the folders of src/ the layer may know (symbolic links), so `#include "engine/cards.h"` keeps its
# spelling while a header of a layer above it cannot be found. The root is public: whoever links
# the target sees the same folders through it. tools/check-layers (a test) checks the include
# lines themselves, including the ones that name a file of their own folder.
function(quintrick_include_root target)
    set(root ${CMAKE_BINARY_DIR}/include/${target})
    file(MAKE_DIRECTORY ${root})
    foreach(folder IN LISTS ARGN)
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${root}/${folder} SYMBOLIC
             RESULT result)
        if(NOT result EQUAL 0)
            message(FATAL_ERROR "cannot link ${root}/${folder}: ${result}")
        endif()
    endforeach()
    target_include_directories(${target} PUBLIC ${root})
endfunction()
