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

# wrc leaves out the notes of ports/text_list.def: each goes in as the
# translator comment (#.) of the entry whose reference names a line of its
# QUILL_TEXT. Both are read as lists of lines, their own ';' stood in for
# while they are.
set(semicolon "<quill-semicolon>")
function(add_notes pot list)
  file(READ ${SOURCE_DIR}/${list} text)
  file(READ ${pot} entries)
  string(REPLACE ";" "${semicolon}" text "${text}")
  string(REPLACE ";" "${semicolon}" entries "${entries}")
  string(REPLACE "\n" ";" lines "${text}")
  set(number 0)
  set(notes)
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    if(line MATCHES "^QUILL_TEXT\\(")
      set(first ${number})
      set(entry "")
    endif()
    string(APPEND entry " ${line}")
    if(DEFINED first AND line MATCHES "\\)$")
      string(REGEX MATCHALL "\"[^\"]*\"" literals "${entry}")
      list(POP_FRONT literals english)
      string(REPLACE "\"" "" note "${literals}")
      foreach(at RANGE ${first} ${number})
        set(note_${at} "${note}")
      endforeach()
      unset(first)
    endif()
  endforeach()
  string(REPLACE "\n" ";" pot_lines "${entries}")
  set(out "")
  foreach(line IN LISTS pot_lines)
    if(line MATCHES "^#: ${list}:([0-9]+)$" AND NOT note_${CMAKE_MATCH_1} STREQUAL "")
      string(APPEND out "#. ${note_${CMAKE_MATCH_1}}\n")
    endif()
    string(APPEND out "${line}\n")
  endforeach()
  string(REPLACE "${semicolon}" ";" out "${out}")
  file(WRITE ${pot} "${out}")
endfunction()
add_notes(${work}/resources.pot ports/text_list.def)
# Their translator comments are the comments that begin "Translators:".
run(${XGETTEXT} --omit-header --from-code=UTF-8 --add-comments=Translators: -o ${work}/desktop.pot
    packaging/org.quillmar.AppearanceEditor.desktop)
run(${XGETTEXT} --omit-header --from-code=UTF-8 --add-comments=Translators: -o ${work}/metainfo.pot
    packaging/org.quillmar.AppearanceEditor.metainfo.xml)
run(${MSGCAT} --use-first -o ${OUTPUT} ${work}/header.pot ${work}/resources.pot
    ${work}/desktop.pot ${work}/metainfo.pot)
