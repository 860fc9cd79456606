# Runs the real program without a display: --version, --help (in the language of the data
# folder, whichever it is), a wrong option and the exports.
execute_process(COMMAND ${PROGRAM} --version OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT out MATCHES "^Pulsadrome [0-9]+\\.[0-9]+\\.[0-9]+\n.*FluidSynth [0-9]")
  message(FATAL_ERROR "--version: exit ${rc}, printed: ${out}")
endif()
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT out MATCHES "  pulsadrome export-picture N" OR NOT out MATCHES "--data-dir")
  message(FATAL_ERROR "--help: exit ${rc}, printed: ${out}")
endif()
execute_process(COMMAND ${PROGRAM} --no-such-option ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 2 OR NOT err MATCHES "no-such-option")
  message(FATAL_ERROR "a wrong option: exit ${rc}, printed: ${err}")
endif()

# The teachers' exports, into a folder of the build tree.
set(out ${CMAKE_CURRENT_BINARY_DIR}/cli-out)
file(REMOVE_RECURSE ${out})
file(MAKE_DIRECTORY ${out})
execute_process(COMMAND ${PROGRAM} export-picture 57 --size 466x114 --out ${out}/57.png
                RESULT_VARIABLE rc ERROR_VARIABLE err)
file(READ ${out}/57.png head LIMIT 8 HEX)
if(NOT rc EQUAL 0 OR NOT head STREQUAL "89504e470d0a1a0a")
  message(FATAL_ERROR "export-picture: exit ${rc}, ${err}")
endif()
execute_process(COMMAND ${PROGRAM} export-rhythm 417 --tempo 150 --band 0 --out ${out}/417.wav
                RESULT_VARIABLE rc ERROR_VARIABLE err)
file(READ ${out}/417.wav head LIMIT 4 HEX)
file(SIZE ${out}/417.wav size)
if(NOT rc EQUAL 0 OR NOT head STREQUAL "52494646" OR size LESS 100000)
  message(FATAL_ERROR "export-rhythm: exit ${rc}, ${err}")
endif()
execute_process(COMMAND ${PROGRAM} export-rhythm 1 --soundfont /no/such.sf2 --out ${out}/x.wav
                RESULT_VARIABLE rc ERROR_VARIABLE err)
if(rc EQUAL 0 OR NOT err MATCHES "SoundFont" OR NOT err MATCHES "/no/such.sf2" OR EXISTS ${out}/x.wav)
  message(FATAL_ERROR "export-rhythm with a missing sound bank: exit ${rc}, ${err}")
endif()

# The answer log of a data folder with no answer yet: a spreadsheet file with its heading row.
file(MAKE_DIRECTORY ${out}/data)
execute_process(COMMAND ${PROGRAM} export-answers --data-dir ${out}/data --out ${out}/answers.csv
                RESULT_VARIABLE rc ERROR_VARIABLE err)
file(READ ${out}/answers.csv head LIMIT 3 HEX)
file(STRINGS ${out}/answers.csv lines)
list(LENGTH lines count)
if(NOT rc EQUAL 0 OR NOT head STREQUAL "efbbbf" OR NOT count EQUAL 1)
  message(FATAL_ERROR "export-answers: exit ${rc}, ${err}, ${count} lines")
endif()
execute_process(COMMAND ${PROGRAM} export-answers --data-dir ${out}/data
                        --out ${out}/no/such/folder/answers.csv
                RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 1 OR NOT err MATCHES "no/such/folder/answers.csv")
  message(FATAL_ERROR "export-answers into a missing folder: exit ${rc}, ${err}")
endif()
