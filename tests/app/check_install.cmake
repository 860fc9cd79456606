# SPDX-License-Identifier: GPL-3.0-or-later
cmake_policy(VERSION 3.25)
# Installs the desktop component of the build into a folder of its own and checks that the menu
# entry and every icon size land where the desktop looks for them.
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --component desktop --prefix ${OUT}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "install: exit ${rc}\n${out}${err}")
endif()

set(entry ${OUT}/share/applications/pulsadrome.desktop)
file(STRINGS ${entry} lines)
foreach(wanted "Exec=pulsadrome" "Icon=pulsadrome" "Categories=Education;Music;Game;KidsGame;")
  if(NOT wanted IN_LIST lines)
    message(FATAL_ERROR "${entry} lacks the line ${wanted}")
  endif()
endforeach()
foreach(lang fr es pt it de)
  if(NOT lines MATCHES "GenericName\\[${lang}\\]=")
    message(FATAL_ERROR "${entry} has no GenericName in ${lang}")
  endif()
endforeach()

foreach(size 48 64 128 256)
  set(icon ${OUT}/share/icons/hicolor/${size}x${size}/apps/pulsadrome.png)
  if(NOT EXISTS ${icon})
    message(FATAL_ERROR "missing ${icon}")
  endif()
  # A PNG's width and height are the big-endian words at bytes 16 and 20.
  file(READ ${icon} header OFFSET 16 LIMIT 8 HEX)
  string(SUBSTRING ${header} 0 8 w)
  string(SUBSTRING ${header} 8 8 h)
  math(EXPR w "0x${w}")
  math(EXPR h "0x${h}")
  if(NOT w EQUAL size OR NOT h EQUAL size)
    message(FATAL_ERROR "${icon} is ${w}x${h}, not ${size}x${size}")
  endif()
endforeach()

find_program(VALIDATE desktop-file-validate)
if(VALIDATE)
  execute_process(COMMAND ${VALIDATE} ${entry} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                  ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "desktop-file-validate: ${out}${err}")
  endif()
endif()
