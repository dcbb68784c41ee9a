# Lays the run folder out beside the binary:  cmake -DSOURCE_DIR=<tree> -DRUN_DIR=<run folder> -P layoutrunfolder.cmake
# The style sheet, pictures, fonts and project templates follow the source tree.
# The files the designer writes there itself are the user's: they are laid out
# only where the run folder has none, so that a build after a checkout never
# replaces what the user saved. (config.ini, which it also writes, is not shipped.)
foreach(var SOURCE_DIR RUN_DIR)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "layoutrunfolder: ${var} is not set")
    endif()
endforeach()

set(USER_FILES
    "^data_template/grid_template/[^/]+/template\\.json$")

file(GLOB_RECURSE assets RELATIVE "${SOURCE_DIR}"
    "${SOURCE_DIR}/resource/assets/qss/*"
    "${SOURCE_DIR}/resource/assets/img/*"
    "${SOURCE_DIR}/resource/assets/font/*"
    "${SOURCE_DIR}/template/*"
    "${SOURCE_DIR}/data_template/*")

foreach(rel IN LISTS assets)
    set(target "${RUN_DIR}/${rel}")
    set(users FALSE)
    foreach(pattern IN LISTS USER_FILES)
        if(rel MATCHES "${pattern}")
            set(users TRUE)
        endif()
    endforeach()
    # IS_SYMLINK too: a link the user put there is theirs even when it leads nowhere.
    if(users AND (EXISTS "${target}" OR IS_SYMLINK "${target}"))
        continue()
    endif()
    # Copies only when the bytes differ, so unchanged files keep their time.
    configure_file("${SOURCE_DIR}/${rel}" "${target}" COPYONLY)
endforeach()
