# Install-time script: copies beside the program every DLL it loads, directly or through
# another DLL or a plugin, that lies in one of DLL_DIRS. The names come from the import tables
# (objdump -p), spelt as Windows' loader will look for them; any DLL found in none of those
# folders is Windows' own. (CMake's file(GET_RUNTIME_DEPENDENCIES) lowercases the names and
# then cannot find Qt6Core.dll on a case-sensitive file system.)
#
# The DLLs are stripped as they are copied: the MinGW runtime's come with their debug sections,
# more than half the size of the folder.
#
# Set before it runs: OBJDUMP, STRIP, DLL_DIRS, BINARIES (the program and its plugins).
cmake_minimum_required(VERSION 3.25)
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
foreach(dll IN LISTS found)
    get_filename_component(name ${dll} NAME)
    execute_process(COMMAND ${STRIP} --strip-unneeded "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${name}"
                    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
