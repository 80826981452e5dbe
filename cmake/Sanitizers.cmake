# AddressSanitizer and UndefinedBehaviorSanitizer for the developer and CI builds.
if(OTCRAPS_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
