# cmake -DSTAGE=<folder> -DSTRIP=<strip> -P strip.cmake: strips the libraries copied into the
# installer's folder (Qt, ICU, MinGW's run-time); `cmake --install --strip` only strips the
# project's own programs. Debug information would double the installer's size.
file(GLOB_RECURSE _dlls ${STAGE}/*.dll)
foreach(dll IN LISTS _dlls)
    execute_process(COMMAND ${STRIP} --strip-unneeded ${dll} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
