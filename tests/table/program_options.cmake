# The program's own command line: --version and --help answer without a window, and a game
# or number that cannot be played is refused with its reason and status 2.
set(ENV{QT_QPA_PLATFORM} offscreen)
set(ENV{XDG_DATA_HOME} ${HOME_DIR}/data)
set(ENV{XDG_CONFIG_HOME} ${HOME_DIR}/config)
file(REMOVE_RECURSE ${HOME_DIR})

function(expect args rc_wanted regex)
  execute_process(COMMAND ${PROGRAM} ${args} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc TIMEOUT 30)
  if(NOT rc EQUAL rc_wanted OR NOT "${out}${err}" MATCHES "${regex}")
    message(FATAL_ERROR "solvane ${args} gave ${rc} (wanted ${rc_wanted}):\n${out}${err}")
  endif()
endfunction()

expect("--version" 0 "Solvane ${VERSION}")
expect("--help" 0 "--game <NAME>.*--number <N>")
expect("--game;Nope" 2 "There is no game \"Nope\"")
expect("--game;Freecell;--number;12x" 2 "not a whole number")
expect("--number;5" 2 "--number needs --game")
expect("--bogus" 2 "nknown option")
