# The solve command prints a verdict and the moves, one line per deal or board, and
# refuses bad input with status 2 and one line of error.
function(run out_var rc_var)
  execute_process(COMMAND ${CLI} ${ARGN} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  set(${out_var} "${out}" PARENT_SCOPE)
  set(${rc_var} "${rc}" PARENT_SCOPE)
  set(last_err "${err}" PARENT_SCOPE)
endfunction()

function(expect_refused)
  run(out rc ${ARGN})
  string(REGEX MATCHALL "\n" lines "${last_err}")
  list(LENGTH lines n)
  if(NOT rc EQUAL 2 OR NOT n EQUAL 1)
    message(FATAL_ERROR "solvane-cli ${ARGN}: status ${rc}, error output: ${last_err}")
  endif()
endfunction()

# One deal: "winnable N" and N move lines such as "7H t3 f1".
foreach(autoplay off on)
  run(out rc solve Freecell 1 --autoplay ${autoplay})
  if(NOT rc EQUAL 0 OR NOT out MATCHES "^winnable ([0-9]+)\n")
    message(FATAL_ERROR "solve Freecell 1 --autoplay ${autoplay} printed: ${out}")
  endif()
  set(moves ${CMAKE_MATCH_1})
  string(REGEX MATCHALL "[A2-9TJQK][CDSH] [tcf][0-9]+ [tcf][0-9]+\n" lines "${out}")
  list(LENGTH lines n)
  if(NOT n EQUAL moves)
    message(FATAL_ERROR "solve Freecell 1: ${moves} moves announced, ${n} move lines")
  endif()
endforeach()

# A range: number, verdict, moves, milliseconds.
run(out rc solve --range Freecell 1 3 --autoplay off --limit 5)
if(NOT out MATCHES "^1 winnable [0-9]+ [0-9]+\n2 winnable [0-9]+ [0-9]+\n3 winnable [0-9]+ [0-9]+\n$")
  message(FATAL_ERROR "solve --range printed: ${out}")
endif()

# Boards from a file and from standard input: a deal, and a board without any move.
run(deal rc deal Freecell 2)
string(REPEAT " 5C 6C 7C 8C 9C TC JC QC KC" 1 clubs)
file(WRITE ${WORK}/boards.txt "${deal}\nFoundations: D-K S-K H-K\n: AC 3C 4C${clubs} 2C\n")
run(out rc solve --boards ${WORK}/boards.txt --rules 0,0,0,4,13,8,0,1,4,0 --autoplay off)
if(NOT out MATCHES "^1 winnable [0-9]+ [0-9]+\n2 winnable [0-9]+ [0-9]+\n$")
  message(FATAL_ERROR "solve --boards printed: ${out}")
endif()
# One pile and no free cell: the Two of clubs on top cannot move.
file(WRITE ${WORK}/stuck.txt "Foundations: D-K S-K H-K\n: AC 3C 4C${clubs} 2C\n")
run(out rc solve --boards ${WORK}/stuck.txt --rules 0,0,0,4,13,1,0,1,0,0 --autoplay off)
if(NOT out MATCHES "^1 not winnable - [0-9]+\n$")
  message(FATAL_ERROR "solve --boards on a stuck board printed: ${out}")
endif()
execute_process(COMMAND ${CLI} solve --boards - --autoplay off INPUT_FILE ${WORK}/boards.txt
  OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT out MATCHES "^1 winnable [0-9]+ [0-9]+\n2 winnable [0-9]+ [0-9]+\n$")
  message(FATAL_ERROR "solve --boards - printed: ${out}")
endif()

# A bad board is reported and the others are still solved.
file(WRITE ${WORK}/bad.txt "${deal}\n: KH KH\n")
run(out rc solve --boards ${WORK}/bad.txt --autoplay off)
if(NOT rc EQUAL 1 OR NOT out MATCHES "^1 winnable [0-9]+ [0-9]+\n2 unknown - 0\n$" OR NOT last_err MATCHES "board 2: line 1")
  message(FATAL_ERROR "solve --boards with a bad board: status ${rc}, printed ${out}${last_err}")
endif()

# A search cut short says which limit ended it.
run(out rc solve --rules 0,3,0,2,12,7,1,1,4,2 1 --limit 0.05)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "unknown (time)\n")
  message(FATAL_ERROR "solve with a tiny limit printed: ${out}")
endif()

expect_refused(solve Freecel 1)
expect_refused(solve Freecell)
expect_refused(solve Freecell 1 --limit soon)
expect_refused(solve Freecell 1 --autoplay maybe)
expect_refused(solve --range Freecell 5 2)
expect_refused(solve --boards ${WORK}/missing.txt)
