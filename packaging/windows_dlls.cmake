# Install-time script: copies beside the program every DLL it loads, directly or through
# another DLL or a plugin, that lies in one of DLL_DIRS. The names come from the import tables
# (objdump -p), spelt as Windows' loader will look for them; any DLL found in none of those
# folders is Windows' own. (CMake's file(GET_RUNTIME_DEPENDENCIES) lowercases the names and
# then cannot find Qt6Core.dll on a case-sensitive file system.)
#
# Set before it runs: OBJDUMP, DLL_DIRS, BINARIES (the program and its plugins).
cmake_policy(SET CMP0057 NEW) # IN_LIST
set(found)
set(pending ${BINARIES})
while(pending)
    list(POP_FRONT pending binary)
    execute_process(COMMAND ${OBJDUMP} -p ${binary} OUTPUT_VARIABLE dump COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
    foreach(import IN LISTS imports)
        string(REPLACE "DLL Name: " "" name "${import}")
        foreach(dir IN LISTS DLL_DIRS)
            if(EXISTS ${dir}/${name} AND NOT ${dir}/${name} IN_LIST found)
                list(APPEND found ${dir}/${name})
                list(APPEND pending ${dir}/${name})
            endif()
        endforeach()
    endforeach()
endwhile()
file(INSTALL ${found} DESTINATION ${CMAKE_INSTALL_PREFIX})
