# SPDX-License-Identifier: GPL-3.0-or-later
# Configures (once) and builds the fuzz targets with clang in BINARY_DIR:
#   cmake -DSOURCE_DIR=<fuzz> -DBINARY_DIR=<dir> -DCXX=<clang++> -DGENERATOR=<generator> -P Build.cmake
if(NOT EXISTS ${BINARY_DIR}/CMakeCache.txt)
  execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${BINARY_DIR} -G ${GENERATOR}
                          -DCMAKE_CXX_COMPILER=${CXX} COMMAND_ERROR_IS_FATAL ANY)
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BINARY_DIR} COMMAND_ERROR_IS_FATAL ANY)
