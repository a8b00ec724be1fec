# The Debian package, built from source as Debian builds it, and its tests:
# - package.deb: the source package, and the .deb built from it on this
#   machine (scripts/make-deb.sh, as scripts/package.sh does);
# - package.lint: Debian's checkers over the source package and the .deb;
# - package.reproducible: built again elsewhere, later, with another umask,
#   locale and time zone, the same bytes;
# - package.build.RELEASE: built in a clean root of the release holding only
#   the build dependencies, without network; the same bytes as this
#   machine's build on its own release, and twice the same on the other;
# - package.RELEASE: installed, used as a new user and purged in a minimal
#   root of each supported release (scripts/test-package.sh).
# Those that make roots are skipped inside the Debian lane.
get_filename_component(_builds "${CMAKE_BINARY_DIR}/.." ABSOLUTE)
set(_deb_dir ${CMAKE_BINARY_DIR}/deb)
set(_machine ${_deb_dir}/machine)
set(_deb ${_machine}/quillmar-appearance_${PROJECT_VERSION}_amd64.deb)
add_test(NAME package.deb COMMAND ${CMAKE_SOURCE_DIR}/scripts/make-deb.sh ${_machine})
set_tests_properties(package.deb PROPERTIES FIXTURES_SETUP debian_package TIMEOUT 900 COST 900)
add_test(NAME package.lint COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-deb.sh ${_deb}
                                   ${_machine}/source/quillmar-appearance_${PROJECT_VERSION}.dsc)
set_tests_properties(package.lint PROPERTIES FIXTURES_REQUIRED debian_package TIMEOUT 300)
add_test(NAME package.reproducible COMMAND ${CMAKE_SOURCE_DIR}/scripts/test-reproducible.sh ${_machine})
set_tests_properties(package.reproducible PROPERTIES FIXTURES_REQUIRED debian_package TIMEOUT 900)
foreach(release bookworm trixie)
  add_test(NAME package.build.${release}
           COMMAND ${CMAKE_SOURCE_DIR}/scripts/test-build-in-root.sh ${release} ${_machine}
                   ${_deb_dir}/root-${release})
  add_test(NAME package.${release}
           COMMAND ${CMAKE_SOURCE_DIR}/scripts/test-package.sh ${release} ${_deb}
                   ${_builds}/win64/tests/package/apply_driver.exe)
  # Started first (COST): most of their time is waiting for the network and
  # the disk, beside the tests that keep the cores busy.
  set_tests_properties(package.build.${release} package.${release} PROPERTIES
                       FIXTURES_REQUIRED debian_package COST 1000 SKIP_RETURN_CODE 77 TIMEOUT 2400)
endforeach()
