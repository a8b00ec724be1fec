# Makes the release zip OUT: the files of FILES ('|'-separated; the first is
# the program, stripped with STRIP) in one folder named after OUT, each with
# the mode 0644 and the time EPOCH, in the order given, with no extra fields
# (zip -X: no owner, no access time) and DOS times in UTC. The same inputs
# give the same bytes whoever makes it, where and when.
# Run as: cmake -DZIP=... -DSTRIP=... -DEPOCH=... -DOUT=... -DSTAGE=... -DFILES=... -P ReleaseZip.cmake
get_filename_component(top "${OUT}" NAME_WLE)
string(REPLACE "|" ";" files "${FILES}")
list(POP_FRONT files program)
file(REMOVE_RECURSE "${STAGE}")
file(REMOVE "${OUT}")
file(MAKE_DIRECTORY "${STAGE}/${top}")
get_filename_component(program_name "${program}" NAME)
execute_process(COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${EPOCH}
                        ${STRIP} -o "${STAGE}/${top}/${program_name}" "${program}"
                COMMAND_ERROR_IS_FATAL ANY)
set(entries "${top}/${program_name}")
foreach(file IN LISTS files)
  file(COPY "${file}" DESTINATION "${STAGE}/${top}")
  get_filename_component(name "${file}" NAME)
  list(APPEND entries "${top}/${name}")
endforeach()
list(TRANSFORM entries PREPEND "${STAGE}/" OUTPUT_VARIABLE paths)
file(CHMOD ${paths} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
execute_process(COMMAND touch -d @${EPOCH} ${paths} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC ${ZIP} -X -D -q "${OUT}" ${entries}
                WORKING_DIRECTORY "${STAGE}" COMMAND_ERROR_IS_FATAL ANY)
