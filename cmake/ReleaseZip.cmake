# Makes the release zip OUT: the files that cmake/StageRelease.cmake stages
# (PROGRAM stripped with STRIP, then the TEXTS, '|'-separated) in one folder
# named after OUT, in that order, with no extra fields (zip -X: no owner, no
# access time) and DOS times in UTC. The same inputs give the same bytes
# whoever makes it, where and when.
# Run as: cmake -DZIP=... -DSTRIP=... -DEPOCH=... -DOUT=... -DSTAGE=... -DPROGRAM=... -DTEXTS=...
#         -P ReleaseZip.cmake
include("${CMAKE_CURRENT_LIST_DIR}/StageRelease.cmake")
get_filename_component(top "${OUT}" NAME_WLE)
string(REPLACE "|" ";" texts "${TEXTS}")
file(REMOVE "${OUT}")
quill_stage_release("${STAGE}/${top}" "${PROGRAM}" "${STRIP}" "${EPOCH}" ${texts})
list(TRANSFORM quill_staged PREPEND "${top}/" OUTPUT_VARIABLE entries)
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC ${ZIP} -X -D -q "${OUT}" ${entries}
                WORKING_DIRECTORY "${STAGE}" COMMAND_ERROR_IS_FATAL ANY)
