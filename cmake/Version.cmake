# The program's version is defined once, by project(); this exposes its parts
# to the resource compiler and the packaging.
set(QUILL_VERSION_MAJOR ${PROJECT_VERSION_MAJOR})
set(QUILL_VERSION_MINOR ${PROJECT_VERSION_MINOR})
set(QUILL_VERSION_PATCH ${PROJECT_VERSION_PATCH})
set(QUILL_VERSION ${PROJECT_VERSION})
# Where the project and its sources are, for the texts that name it.
set(QUILL_HOMEPAGE https://c-seed-ee811f21.example/quillmar-appearance)
