# What a Windows user gets, in the zip and from the installer alike: the
# stripped program, then the texts for them (the readme, the program's
# licence, the notices of what is linked in and the GPL they refer to), with
# Windows' line ends, the mode 0644 and the time EPOCH, so that the same
# inputs give the same bytes. Included by the -P scripts that make them.

# quill_stage_release(FOLDER PROGRAM STRIP EPOCH TEXT...): fills FOLDER
# afresh and sets quill_staged to the names of its files, in the order given
# (the program first). A TEXT of the form SOURCE>NAME is staged as NAME.
function(quill_stage_release folder program strip epoch)
  file(REMOVE_RECURSE "${folder}")
  file(MAKE_DIRECTORY "${folder}")
  get_filename_component(program_name "${program}" NAME)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${epoch}
                          ${strip} -o "${folder}/${program_name}" "${program}"
                  COMMAND_ERROR_IS_FATAL ANY)
  set(names "${program_name}")
  foreach(text IN LISTS ARGN)
    string(REPLACE ">" ";" parts "${text}")
    list(GET parts 0 source)
    list(GET parts -1 name)
    if(name STREQUAL source)
      get_filename_component(name "${source}" NAME)
    endif()
    file(READ "${source}" content)
    string(REPLACE "\r\n" "\n" content "${content}")
    string(REPLACE "\n" "\r\n" content "${content}")
    file(WRITE "${folder}/${name}" "${content}")
    list(APPEND names "${name}")
  endforeach()
  list(TRANSFORM names PREPEND "${folder}/" OUTPUT_VARIABLE paths)
  file(CHMOD ${paths} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  execute_process(COMMAND touch -d @${epoch} ${paths} COMMAND_ERROR_IS_FATAL ANY)
  set(quill_staged "${names}" PARENT_SCOPE)
endfunction()
