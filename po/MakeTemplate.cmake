# Makes the template of the catalogues: the string resources' texts (wrc),
# then the desktop entry's and the AppStream metadata's (xgettext), under a
# header of the project's own. Run with cmake -P; references are relative to
# the source folder, and nothing in the output depends on the day.
foreach(var SOURCE_DIR OUTPUT WRC XGETTEXT MSGCAT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "MakeTemplate.cmake needs -D${var}=...")
  endif()
endforeach()
get_filename_component(work ${OUTPUT} DIRECTORY)
set(work ${work}/template)
file(MAKE_DIRECTORY ${work})

function(run)
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    string(REPLACE ";" " " shown "${ARGN}")
    message(FATAL_ERROR "${shown}: ${status}")
  endif()
endfunction()

file(WRITE ${work}/header.pot [=[# The texts of Registry editor for Quillmar: its window, messages, screen
# reader names, desktop entry and AppStream metadata.
# This file is made by the build (po/MakeTemplate.cmake); do not edit it.
msgid ""
msgstr ""
"Project-Id-Version: quillmar-appearance\n"
"Report-Msgid-Bugs-To: \n"
"Language: \n"
"MIME-Version: 1.0\n"
"Content-Type: text/plain; charset=UTF-8\n"
"Content-Transfer-Encoding: 8bit\n"
]=])
run(${WRC} -I. -O pot -o ${work}/resources.pot win32/resources/texts.rc)
run(${XGETTEXT} --omit-header --from-code=UTF-8 -o ${work}/desktop.pot
    packaging/org.quillmar.AppearanceEditor.desktop)
run(${XGETTEXT} --omit-header --from-code=UTF-8 -o ${work}/metainfo.pot
    packaging/org.quillmar.AppearanceEditor.metainfo.xml)
run(${MSGCAT} --use-first -o ${OUTPUT} ${work}/header.pot ${work}/resources.pot
    ${work}/desktop.pot ${work}/metainfo.pot)
