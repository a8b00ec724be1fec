# The Debian package, made from both Windows trees' programs, and its tests:
# Debian's checkers over it, then install, use and purge in a minimal root of
# each supported release (scripts/test-package.sh; skipped inside the Debian
# lane, where no root can be made).
get_filename_component(_builds "${CMAKE_BINARY_DIR}/.." ABSOLUTE)
set(_deb_dir ${CMAKE_BINARY_DIR}/deb)
set(_deb ${_deb_dir}/quillmar-appearance_${PROJECT_VERSION}_amd64.deb)
add_test(NAME package.deb COMMAND ${CMAKE_SOURCE_DIR}/scripts/make-deb.sh ${_deb_dir})
set_tests_properties(package.deb PROPERTIES FIXTURES_SETUP debian_package TIMEOUT 300 COST 1000)
add_test(NAME package.lint COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-deb.sh ${_deb})
set_tests_properties(package.lint PROPERTIES FIXTURES_REQUIRED debian_package TIMEOUT 300)
foreach(release bookworm trixie)
  add_test(NAME package.${release}
           COMMAND ${CMAKE_SOURCE_DIR}/scripts/test-package.sh ${release} ${_deb}
                   ${_builds}/win64/tests/package/apply_driver.exe)
  # Started first (COST): most of their time is waiting for the network and
  # the disk, beside the tests that keep the cores busy.
  set_tests_properties(package.${release} PROPERTIES FIXTURES_REQUIRED debian_package
                       COST 1000 SKIP_RETURN_CODE 77 TIMEOUT 1800)
endforeach()
