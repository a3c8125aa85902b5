# Makes the Windows downloads from a build: stages what it installs, as the
# zip holds it; finishes every program and DLL there (sign: signed, given a
# certificate or the signatures one made); and writes the installer, whose
# uninstaller removes exactly the staged files, and the zip. Each file they
# hold is dated EPOCH, and the same build gives the same bytes.
#   cmake -D BUILD=DIR -D STAGE=DIR -D NSI=FILE -D SETUP=FILE -D ZIP=FILE -D EPOCH=SECONDS
#         -D SIGNATURES=DIR -D SIGNATURES_ZIP=FILE -P make-downloads.cmake
# With KORVID_SIGN_PFX set in the environment, the programs, the uninstaller
# and the installer are signed, and their signatures, detached, are zipped
# from SIGNATURES into SIGNATURES_ZIP; with KORVID_SIGNATURES naming such a
# folder instead, its signatures are attached.
set(tools ${CMAKE_CURRENT_LIST_DIR}/../../tools)
set(ENV{SOURCE_DATE_EPOCH} ${EPOCH}) # the time strip writes into the programs
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${STAGE} --strip COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE ${SIGNATURES_ZIP})
if(DEFINED ENV{KORVID_SIGN_PFX})
    file(REMOVE_RECURSE ${SIGNATURES})
    set(ENV{KORVID_SIGNATURES} ${SIGNATURES})
endif()
set(sign ${CMAKE_CURRENT_LIST_DIR}/sign)
execute_process(COMMAND ${sign} ${STAGE} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND find ${STAGE} -exec touch -h -d @${EPOCH} {} + COMMAND_ERROR_IS_FATAL ANY)

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

get_filename_component(setup_name ${SETUP} NAME)
execute_process(COMMAND makensis -INPUTCHARSET UTF8 -V2 -DSETUP=${SETUP} -DSETUP_NAME=${setup_name} -DLISTS=${lists}
    -DSIGN=${sign} ${NSI} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND /usr/bin/python3 ${tools}/zip-folder.py ${STAGE} ${ZIP} ${EPOCH} COMMAND_ERROR_IS_FATAL ANY)
if(DEFINED ENV{KORVID_SIGN_PFX})
    execute_process(COMMAND /usr/bin/python3 ${tools}/zip-folder.py ${SIGNATURES} ${SIGNATURES_ZIP} ${EPOCH}
        COMMAND_ERROR_IS_FATAL ANY)
endif()
