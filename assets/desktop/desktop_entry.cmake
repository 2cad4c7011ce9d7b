# Writes the menu entry `template` to `output`, its Exec naming the program as
# installed under `prefix` in `bindir` (relative to the prefix, or absolute).
# Used at configure time and again at install time, when the prefix is final.
function(zelvo_desktop_entry template output prefix bindir)
    cmake_path(ABSOLUTE_PATH bindir BASE_DIRECTORY "${prefix}" NORMALIZE OUTPUT_VARIABLE ZELVO_EXEC)
    cmake_path(APPEND ZELVO_EXEC zelvo)
    # A path with a space is one argument only when quoted.
    if(ZELVO_EXEC MATCHES "[ \t]")
        set(ZELVO_EXEC "\"${ZELVO_EXEC}\"")
    endif()
    configure_file("${template}" "${output}" @ONLY)
endfunction()
