# Common warning set for every target of the project.
function(turnpixa_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow)
  if(TURNPIXA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# A core library must never see Qt: the core-only preset builds without it,
# and this check catches a stray include in any build.
function(turnpixa_core_library target)
  turnpixa_warnings(${target})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()
