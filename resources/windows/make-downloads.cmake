# Makes the Windows downloads from a build: stages what it installs, as the
# zip holds it; signs every program and DLL there if a certificate is
# given (sign); and writes the installer, whose uninstaller removes exactly
# the staged files, and the zip.
#   cmake -D BUILD=DIR -D STAGE=DIR -D NSI=FILE -D SETUP=FILE -D ZIP=FILE -P make-downloads.cmake
# With KORVID_SIGN_PFX set in the environment, the programs, the uninstaller
# and the installer are signed.
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${STAGE} --strip COMMAND_ERROR_IS_FATAL ANY)
set(sign "")
if(DEFINED ENV{KORVID_SIGN_PFX})
    set(sign ${CMAKE_CURRENT_LIST_DIR}/sign)
    execute_process(COMMAND ${sign} ${STAGE} COMMAND_ERROR_IS_FATAL ANY)
endif()

# install.nsh puts each staged file in its place; uninstall.nsh removes each
# and then the folders they made, deepest first, so an uninstall leaves
# nothing and removes nothing else.
file(GLOB_RECURSE files RELATIVE ${STAGE} ${STAGE}/*)
list(SORT files)
set(install "")
set(uninstall "")
set(folders "")
foreach(file IN LISTS files)
    get_filename_component(folder ${file} DIRECTORY)
    string(REPLACE "/" "\\" windows_file "${file}")
    string(REPLACE "/" "\\" windows_folder "\\${folder}")
    if(NOT folder)
        set(windows_folder "")
    endif()
    string(APPEND install "SetOutPath \"$INSTDIR${windows_folder}\"\nFile \"${STAGE}/${file}\"\n")
    string(APPEND uninstall "Delete \"$INSTDIR\\${windows_file}\"\n")
    while(folder)
        list(APPEND folders "${folder}")
        get_filename_component(folder ${folder} DIRECTORY)
    endwhile()
endforeach()
list(REMOVE_DUPLICATES folders)
list(SORT folders ORDER DESCENDING) # a folder after the folders inside it
foreach(folder IN LISTS folders)
    string(REPLACE "/" "\\" windows_folder "${folder}")
    string(APPEND uninstall "RMDir \"$INSTDIR\\${windows_folder}\"\n")
endforeach()
get_filename_component(lists ${SETUP} DIRECTORY)
file(WRITE ${lists}/install.nsh "${install}SetOutPath \"$INSTDIR\"\n")
file(WRITE ${lists}/uninstall.nsh "${uninstall}")

execute_process(COMMAND makensis -INPUTCHARSET UTF8 -V2 -DSETUP=${SETUP} -DLISTS=${lists} -DSIGN=${sign} ${NSI}
    COMMAND_ERROR_IS_FATAL ANY)
get_filename_component(stage_parent ${STAGE} DIRECTORY)
get_filename_component(folder ${STAGE} NAME)
file(REMOVE ${ZIP})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip ${folder}
    WORKING_DIRECTORY ${stage_parent} COMMAND_ERROR_IS_FATAL ANY)
