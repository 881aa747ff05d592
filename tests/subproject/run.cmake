# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The electrode-calc developers
# Configures the wrapper project in a folder of its own and builds the program there.
file(REMOVE_RECURSE ${BINARY})
execute_process(
  COMMAND ${CMAKE_COMMAND} -S ${SOURCE}/tests/subproject -B ${BINARY} -G ${GENERATOR}
          -DELECTRODE_SOURCE=${SOURCE} -DCMAKE_BUILD_TYPE=Release
  RESULT_VARIABLE configured)
if(NOT configured EQUAL 0)
  message(FATAL_ERROR "configuring the wrapper failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BINARY} --target electrode-calc -j 2
                RESULT_VARIABLE built)
if(NOT built EQUAL 0)
  message(FATAL_ERROR "building the program as a part failed")
endif()
if(NOT EXISTS ${BINARY}/electrode-calc/bin/electrode-calc)
  message(FATAL_ERROR "no program at electrode-calc/bin/")
endif()
