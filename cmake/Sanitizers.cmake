# AddressSanitizer and UndefinedBehaviorSanitizer for the whole native tree:
# any report ends the process with a failure, so a test that trips one fails.
if(QUILL_SANITIZE)
  set(_san -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${_san})
  add_link_options(${_san})
endif()
