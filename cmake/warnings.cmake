# Warnings on the project's own targets only (system headers stay quiet). They
# are errors where we choose so (the presets of scripts/test and CI), never on
# a packager's or a user's build with a compiler we have not tried.
option(FLJUDGE_WERROR "Treat warnings in the project's own code as errors" OFF)

function(fljudge_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
    -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Woverloaded-virtual
    -Wimplicit-fallthrough)
  if(FLJUDGE_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
