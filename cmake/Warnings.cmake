# Warning flags shared by every target of the project.
add_compile_options(-Wall -Wextra)
# Faults the defaults let through: a base deleted through a pointer without a virtual destructor,
# an override that silently stops overriding, a name hiding another, a format string that is not
# a literal, a const cast away, and what is not standard C++.
add_compile_options(-Wnon-virtual-dtor -Wsuggest-override -Wshadow -Wformat=2 -Wcast-qual
                    -Wpedantic)
if(OTCRAPS_WERROR)
  add_compile_options(-Werror)
endif()
