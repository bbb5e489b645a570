# The folder a Windows user unzips and runs: the program and its console companion, the DLLs
# they load (read from their import tables by windows_dlls.cmake, not listed by hand), Qt's
# plugins for the screen, the style and the icon format, and the licences. This is for the
# cross build on Debian; a native build deploys with Qt's windeployqt instead.
install(TARGETS tempidex tempidex_console RUNTIME DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME Tempidex-${PROJECT_VERSION}-win64)

# The installer, made from the same folder with Debian's wixl (make_msi.py says what it does):
#   cmake --build --preset windows --target msi   -> build/windows/Tempidex-VERSION-win64.msi
find_program(WIXL wixl NO_CMAKE_FIND_ROOT_PATH)
find_program(MSIBUILD msibuild NO_CMAKE_FIND_ROOT_PATH)
find_program(PYTHON3 python3 NO_CMAKE_FIND_ROOT_PATH)
set(msi_folder ${PROJECT_BINARY_DIR}/msi-folder)
set(TEMPIDEX_MSI ${PROJECT_BINARY_DIR}/${CPACK_PACKAGE_FILE_NAME}.msi CACHE INTERNAL "The installer")
if(WIXL AND MSIBUILD AND PYTHON3)
    add_custom_target(msi
        COMMAND ${CMAKE_COMMAND} -E rm -rf ${msi_folder}
        COMMAND ${CMAKE_COMMAND} --install ${PROJECT_BINARY_DIR} --prefix ${msi_folder} --strip
        COMMAND ${PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/make_msi.py ${msi_folder} ${TEMPIDEX_PACKAGE_VERSION}
                ${TEMPIDEX_PRODUCT_NAME} ${CPACK_PACKAGE_VENDOR} ${TEMPIDEX_MAKER_HOST}
                ${PROJECT_SOURCE_DIR}/resources/tempidex.ico ${TEMPIDEX_MSI}
        COMMENT "Making ${CPACK_PACKAGE_FILE_NAME}.msi" VERBATIM)
    add_dependencies(msi tempidex tempidex_console)
else()
    add_custom_target(msi COMMAND ${CMAKE_COMMAND} -E echo "msi: needs wixl, msibuild (msitools) and python3"
                      COMMAND ${CMAKE_COMMAND} -E false VERBATIM)
endif()
if(NOT CMAKE_CROSSCOMPILING)
    return()
endif()

# Where the DLLs are that a program of this build loads: Qt's, and the MinGW runtime's
# (libstdc++, libgcc, libwinpthread).
get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
set(dll_dirs)
foreach(file IN ITEMS ${qt_core_dll} libstdc++-6.dll libwinpthread-1.dll)
    if(NOT IS_ABSOLUTE ${file})
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${file}
                        OUTPUT_VARIABLE file OUTPUT_STRIP_TRAILING_WHITESPACE)
    endif()
    get_filename_component(dir ${file} DIRECTORY)
    get_filename_component(dir ${dir} REALPATH)
    list(APPEND dll_dirs ${dir})
endforeach()

# build/windows/wine-run PROGRAM runs a program of this build under Wine, with those folders on
# Wine's path; the tests run through it.
set(WINE_PATH "")
foreach(dir IN LISTS dll_dirs)
    string(REPLACE "/" "\\" dir "Z:${dir}")
    string(APPEND WINE_PATH "${separator}${dir}")
    set(separator ";")
endforeach()
set(WINE_PREFIX ${PROJECT_BINARY_DIR}/wineprefix)
set(TEMPIDEX_WINE_RUN ${PROJECT_BINARY_DIR}/wine-run CACHE INTERNAL "Runs a program under Wine")
configure_file(${PROJECT_SOURCE_DIR}/tools/wine-run.sh.in ${TEMPIDEX_WINE_RUN} @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)

set(plugins platforms Qt6::QWindowsIntegrationPlugin styles Qt6::QWindowsVistaStylePlugin
            imageformats Qt6::QICOPlugin)
set(plugin_files)
while(plugins)
    list(POP_FRONT plugins kind plugin)
    install(FILES $<TARGET_FILE:${plugin}> DESTINATION ${kind})
    list(APPEND plugin_files "$<TARGET_FILE:${plugin}>")
endwhile()
install(CODE "
    set(OBJDUMP [[${CMAKE_OBJDUMP}]])
    set(STRIP [[${CMAKE_STRIP}]])
    set(DLL_DIRS [[${dll_dirs}]])
    set(BINARIES [[$<TARGET_FILE:tempidex>;$<TARGET_FILE:tempidex_console>;${plugin_files}]])
")
install(SCRIPT windows_dlls.cmake)

# The manual, as text a Windows user opens in Notepad, in Italian and in English, rendered from
# the manual pages by the build machine's groff.
find_program(GROFF groff NO_CMAKE_FIND_ROOT_PATH)
if(GROFF)
    foreach(language_and_name it|Manuale.txt en|Manual.txt)
        string(REPLACE "|" ";" pair ${language_and_name})
        list(GET pair 0 language)
        list(GET pair 1 name)
        set(text ${CMAKE_CURRENT_BINARY_DIR}/${name})
        add_custom_command(OUTPUT ${text}
                           COMMAND ${CMAKE_COMMAND} -DGROFF=${GROFF}
                                   -DPAGE=${CMAKE_CURRENT_BINARY_DIR}/${language}/tempidex.1
                                   -DOUTPUT=${text} -P ${CMAKE_CURRENT_SOURCE_DIR}/text_manual.cmake
                           DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/${language}/tempidex.1
                                   text_manual.cmake VERBATIM)
        list(APPEND manuals ${text})
    endforeach()
    add_custom_target(tempidex_text_manual ALL DEPENDS ${manuals})
    install(FILES ${manuals} DESTINATION .)
else()
    message(WARNING "groff not found: the Windows folder will hold no manual")
endif()

# The licences of everything shipped: the program's; Qt's, the LGPL v3, which is the GPL v3 with
# added permissions, naming the exact source it was built from; the libraries built into Qt;
# and the MinGW runtime's.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
file(STRINGS ${PROJECT_SOURCE_DIR}/tools/qt-windows.env qt_source REGEX "^QT_WINDOWS_SOURCE")
list(TRANSFORM qt_source REPLACE "^[A-Z_]+=" "")
list(GET qt_source 0 qt_package)
list(GET qt_source 1 qt_package_version)
set(qt_licence ${CMAKE_CURRENT_BINARY_DIR}/LICENSE-Qt.txt)
file(READ /usr/share/common-licenses/LGPL-3 lgpl)
file(READ /usr/share/common-licenses/GPL-3 gpl)
file(WRITE ${qt_licence} "Qt ${Qt6_VERSION} (Qt6Core.dll, Qt6Gui.dll, Qt6Widgets.dll and the \
plugins) is used under the GNU Lesser General Public License version 3, below, followed by the \
GNU General Public License version 3 that it builds on. It was built from Debian's source \
package ${qt_package} ${qt_package_version}, Debian's patches applied: \
https://sources.debian.org/src/${qt_package}/${qt_package_version}/ (tools/build-qt-windows.sh \
in Tempidex's source shows how). The libraries built into it are in \
LICENSE-Qt-third-party.txt.\n\n${lgpl}\n\n${gpl}")
install(FILES ${qt_licence} LICENSE-Qt-third-party.txt LICENSE-MinGW.txt DESTINATION .)
