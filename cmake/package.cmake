# Makes dist/zelmar-plugin-win32.zip from the 32-bit build:
#   cmake -DBUILD=build/win32 -DSOURCE=. -P cmake/package.cmake
set(stage ${BUILD}/package)
file(REMOVE_RECURSE ${stage})
file(MAKE_DIRECTORY ${stage}/Plugins ${SOURCE}/dist)
file(COPY ${BUILD}/stats/Stats.dll ${BUILD}/tamrik/Tamrik.exe
  DESTINATION ${stage}/Plugins)
file(COPY ${SOURCE}/packaging/INSTALL.txt DESTINATION ${stage})
file(REMOVE ${SOURCE}/dist/zelmar-plugin-win32.zip)
execute_process(
  COMMAND ${CMAKE_COMMAND} -E tar cf ${SOURCE}/dist/zelmar-plugin-win32.zip
    --format=zip INSTALL.txt Plugins/Stats.dll Plugins/Tamrik.exe
  WORKING_DIRECTORY ${stage} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "could not write the package")
endif()
