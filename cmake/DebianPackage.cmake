# The Debian package, built from source as Debian builds it, and its tests,
# each through Debian's own tools:
# - package.deb: the source package, and the .deb built from it on this
#   machine (scripts/package.sh);
# - package.lint: lintian, desktop-file-validate and appstreamcli;
# - package.reproducible: reprotest's two builds, the second varied;
# - package.build.RELEASE: sbuild in a throwaway root of the release, as
#   Debian's build daemons build; on this machine's own release, the same
#   bytes as package.deb's;
# - package.RELEASE: the package's DEP-8 tests (debian/tests), run by
#   autopkgtest in throwaway testbeds of the release.
# Those that need a testbed, root or namespace of their own skip inside a
# testbed.
set(_deb_dir ${CMAKE_BINARY_DIR}/deb)
set(_machine ${_deb_dir}/machine)
set(_deb ${_machine}/quillmar-appearance_${PROJECT_VERSION}_amd64.deb)
set(_dsc ${_machine}/source/quillmar-appearance_${PROJECT_VERSION}.dsc)
set(_tests ${CMAKE_SOURCE_DIR}/tests/package)
add_test(NAME package.deb COMMAND ${CMAKE_SOURCE_DIR}/scripts/package.sh ${_machine})
set_tests_properties(package.deb PROPERTIES FIXTURES_SETUP debian_package TIMEOUT 900 COST 900)
add_test(NAME package.lint COMMAND ${_tests}/lint.sh ${_deb} ${_dsc})
add_test(NAME package.reproducible COMMAND ${_tests}/reprotest.sh ${_dsc} ${_deb_dir}/reprotest)
set_tests_properties(package.lint package.reproducible PROPERTIES FIXTURES_REQUIRED debian_package TIMEOUT 900)
set_tests_properties(package.reproducible PROPERTIES SKIP_RETURN_CODE 77)
foreach(release bookworm trixie)
  add_test(NAME package.build.${release}
           COMMAND ${_tests}/sbuild.sh ${release} ${_dsc} ${_machine} ${_deb_dir}/sbuild-${release})
  add_test(NAME package.${release}
           COMMAND ${_tests}/autopkgtest.sh ${release} ${_deb} ${_dsc} ${_deb_dir}/autopkgtest-${release})
  # Started first (COST): much of their time is waiting for the network and
  # the disk, beside the tests that keep the cores busy.
  set_tests_properties(package.build.${release} package.${release} PROPERTIES
                       FIXTURES_REQUIRED debian_package COST 1000 SKIP_RETURN_CODE 77 TIMEOUT 2400)
endforeach()
