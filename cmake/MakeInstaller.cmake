# Makes the Windows Installer package OUT from packaging/windows/*.wxs with
# wixl: the files that cmake/StageRelease.cmake stages (PROGRAM stripped with
# STRIP, then the TEXTS, '|'-separated) and the program's ICON, installed for
# the current user alone. ARCH is wixl's: x86 or x64.
#
# The same inputs give the same bytes. Nothing in the package is drawn at
# random: the product code comes from the version and the kind of program,
# each component's code from its name and that kind, and the package code
# from a hash of everything the package holds. wixl 0.101 stamps the summary
# information with the time of the build and draws the package code itself,
# so it runs under faketime at EPOCH (in UTC), and msibuild then writes the
# derived package code in the place of the drawn one; the cabinet's file
# times are set to EPOCH's (cmake/CabTimes.pl).
# Run as: cmake -DSETTINGS=... -DVERSION=... -DSTAGE=... -DOUT=... -P MakeInstaller.cmake
# where SETTINGS (written by cmake/WindowsInstaller.cmake) sets WIXL,
# MSIBUILD, MSIINFO, FAKETIME, WXS, ARCH, PROGRAM, STRIP, ICON, TEXTS, URL and EPOCH.
include("${SETTINGS}")
include("${CMAKE_CURRENT_LIST_DIR}/StageRelease.cmake")
# Windows Installer finds the installed versions by this code: it never changes.
set(upgrade_code 6C1B0E1A-3F52-5D2B-9E0C-4A7E5B1D2C93)
macro(derive_code variable name)
  string(UUID ${variable} NAMESPACE ${upgrade_code} NAME "${name}" TYPE SHA1 UPPER)
endmacro()

string(REPLACE "|" ";" texts "${TEXTS}")
quill_stage_release("${STAGE}" "${PROGRAM}" "${STRIP}" "${EPOCH}" ${texts})
file(COPY_FILE "${ICON}" "${STAGE}/quillmar-appearance.ico")
execute_process(COMMAND touch -d @${EPOCH} "${STAGE}/quillmar-appearance.ico" COMMAND_ERROR_IS_FATAL ANY)
list(APPEND quill_staged quillmar-appearance.ico)

file(SHA256 "${WXS}" contents)
foreach(name IN LISTS quill_staged)
  file(SHA256 "${STAGE}/${name}" hash)
  string(APPEND contents " ${name}=${hash}")
endforeach()
derive_code(package_code "package ${VERSION} ${ARCH}${contents}")
derive_code(product_code "product ${VERSION} ${ARCH}")
set(defines -D Version=${VERSION} -D UpgradeCode=${upgrade_code} -D ProductCode=${product_code}
            -D AboutUrl=${URL})
foreach(component Program Documents Folders ProgramsFolder Shortcut)
  derive_code(code "component ${component} ${ARCH}")
  list(APPEND defines -D ${component}Guid=${code})
endforeach()

if(ARCH STREQUAL "x64")
  set(template "x64;1033")
else()
  set(template "Intel;1033")
endif()
execute_process(COMMAND date -u -d @${EPOCH} "+%Y-%m-%d %H:%M:%S"
                OUTPUT_VARIABLE frozen OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(at_epoch ${CMAKE_COMMAND} -E env TZ=UTC ${FAKETIME} "${frozen}")
file(REMOVE "${OUT}")
# wixl finds the files by name in the folder it runs in.
execute_process(COMMAND ${at_epoch} ${WIXL} -a ${ARCH} ${defines} -o "${OUT}" "${WXS}"
                WORKING_DIRECTORY "${STAGE}" RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR errors MATCHES "WARNING|[Ee]rror")
  message(FATAL_ERROR "wixl could not make ${OUT}:\n${errors}")
endif()
execute_process(COMMAND ${at_epoch} ${MSIBUILD} "${OUT}" -s "Registry editor for Quillmar"
                        "The Quillmar appearance editor authors" "${template}" "{${package_code}}"
                COMMAND_ERROR_IS_FATAL ANY)
# Debian 13's cabinet library stamps the files in the cabinet with the time
# of the build: they get EPOCH's, and the cabinet goes back in.
execute_process(COMMAND ${MSIINFO} extract "${OUT}" program.cab
                OUTPUT_FILE "${STAGE}/program.cab" COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND perl "${CMAKE_CURRENT_LIST_DIR}/CabTimes.pl" "${STAGE}/program.cab" ${EPOCH}
                COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${at_epoch} ${MSIBUILD} "${OUT}" -a program.cab "${STAGE}/program.cab"
                COMMAND_ERROR_IS_FATAL ANY)
