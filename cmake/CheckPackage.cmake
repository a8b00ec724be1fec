# Makes the release zip (the release_zip target) and checks what it holds: the program and
# the texts for Windows users, in a folder named after the version and the kind of
# Windows; that the program's version resource names that version too; and
# that it imports nothing but Windows' own DLLs, and not the colour dialog's,
# which it loads when the dialog first opens; that its icon has every size;
# that its time stamp is SOURCE_DATE_EPOCH; and that the stripped program
# stays under 450 KB (as Windows counts: 1 KB is 1024 bytes), one file to unzip; its
# size goes to stripped-size.txt in the build tree.
# Run as: cmake -DBUILD_DIR=... -DVERSION=... -DSYSTEM_NAME=win32|win64 -DOBJDUMP=...
#         -DPROGRAM=... -DZIP_FILE=... -DEPOCH=... -DWRESTOOL=... -DICOTOOL=... -P CheckPackage.cmake
file(REMOVE "${BUILD_DIR}/stripped-size.txt")
execute_process(COMMAND ${OBJDUMP} -p "${PROGRAM}" OUTPUT_VARIABLE headers RESULT_VARIABLE status)
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
if(NOT status EQUAL 0 OR NOT imports)
  message(FATAL_ERROR "cannot read the imports of ${PROGRAM}")
endif()
foreach(import IN LISTS imports)
  string(TOLOWER "${import}" dll)
  if(NOT dll MATCHES "^dll name: (kernel32|user32|gdi32|advapi32|comctl32|msvcrt)\\.dll$")
    message(FATAL_ERROR "the program imports a DLL that Windows does not ship, or at start-up one it needs later: ${import}")
  endif()
endforeach()
# The PE header's time stamp is the sources' date, not the build's.
file(READ "${PROGRAM}" pe_offset OFFSET 60 LIMIT 4 HEX)
string(REGEX REPLACE "(..)(..)(..)(..)" "0x\\4\\3\\2\\1" pe_offset "${pe_offset}")
math(EXPR stamp_offset "${pe_offset} + 8")
file(READ "${PROGRAM}" stamp OFFSET ${stamp_offset} LIMIT 4 HEX)
string(REGEX REPLACE "(..)(..)(..)(..)" "0x\\4\\3\\2\\1" stamp "${stamp}")
math(EXPR stamp "${stamp}")
if(NOT stamp EQUAL EPOCH)
  message(FATAL_ERROR "the program's time stamp is ${stamp}, not SOURCE_DATE_EPOCH ${EPOCH}")
endif()
file(STRINGS "${PROGRAM}" versions ENCODING UTF-16LE REGEX "^[0-9]+\\.[0-9]+\\.[0-9]+$")
if(NOT versions STREQUAL "${VERSION};${VERSION}")
  message(FATAL_ERROR "the version resource gives '${versions}', not ${VERSION} twice")
endif()
# The icon: one group with every size Windows asks for, the largest PNG-compressed.
execute_process(COMMAND ${WRESTOOL} -x --type=14 -o ${BUILD_DIR}/program-icon.ico ${PROGRAM}
                RESULT_VARIABLE status)
execute_process(COMMAND ${ICOTOOL} -l ${BUILD_DIR}/program-icon.ico OUTPUT_VARIABLE icons)
foreach(size 16 20 24 32 40 48 64 256)
  if(NOT status EQUAL 0 OR NOT icons MATCHES "--width=${size} --height=${size}")
    message(FATAL_ERROR "the program's icon has no ${size} px image:\n${icons}")
  endif()
endforeach()
file(READ ${BUILD_DIR}/program-icon.ico icon_bytes HEX)
if(NOT icon_bytes MATCHES "89504e470d0a1a0a")
  message(FATAL_ERROR "the program's icon holds no PNG-compressed image")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target release_zip
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
set(zip "${ZIP_FILE}")
if(NOT status EQUAL 0 OR NOT EXISTS "${zip}")
  message(FATAL_ERROR "the release zip ${zip} was not made:\n${out}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf "${zip}" OUTPUT_VARIABLE listing
                RESULT_VARIABLE status)
set(top "quillmar-appearance-${VERSION}-${SYSTEM_NAME}")
# The program and the texts for Windows users, and nothing else (the
# developers' README stays out).
string(REGEX MATCHALL "[^\n]+" entries "${listing}")
set(expected quillmar-appearance.exe README.txt LICENSE.txt NOTICES.txt GPL-3.txt)
list(TRANSFORM expected PREPEND "${top}/")
if(NOT entries STREQUAL expected)
  message(FATAL_ERROR "the package holds\n${listing}not ${expected}")
endif()
file(SIZE "${BUILD_DIR}/release-zip/${top}/quillmar-appearance.exe" stripped)
file(WRITE "${BUILD_DIR}/stripped-size.txt" "${stripped}\n")
if(NOT stripped LESS 460800)
  message(FATAL_ERROR "the stripped program is ${stripped} bytes, not under 450 KB (460800)")
endif()
message(STATUS "package ${zip}:\n${listing}imports: ${imports}\nicons:\n${icons}"
               "the stripped program: ${stripped} bytes")
