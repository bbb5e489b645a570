# Build-time script: the manual page PAGE as plain text in OUTPUT, for a Windows user to open in
# Notepad: UTF-8 with a byte-order mark, Windows line ends, no hyphenation, no overstriking.
# The pages are written in UTF-8: -k runs them through preconv first, or groff reads their bytes
# as Latin-1 and "è" comes out as "Ã¨".
#
#   cmake -DGROFF=... -DPAGE=... -DOUTPUT=... -P text_manual.cmake
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND ${GROFF} -k -man -Tutf8 -rHY=0 -rLL=78n -P-cbou ${PAGE}
                OUTPUT_VARIABLE text COMMAND_ERROR_IS_FATAL ANY
                ENCODING UTF-8)
string(REPLACE "\n" "\r\n" text "${text}")
string(ASCII 239 187 191 bom)
file(WRITE ${OUTPUT} "${bom}${text}")
