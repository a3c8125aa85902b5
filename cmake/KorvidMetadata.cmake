# Everything Korvid says about itself outside its code: names, maker and
# version strings. The version comes from project(); the rest stands here.

set(KORVID_APP_ID "cn.qingyou.Korvid") # reverse-DNS id of the desktop entry and metainfo
set(KORVID_PRODUCT_NAME "Korvid")
set(KORVID_PACKAGE "korvid") # the Debian package
set(KORVID_CHINESE_NAME "Korvid理科计算器")
set(KORVID_MAKER "青柚工作室")
set(KORVID_CONTACT "Korvid maintainers <korvid@korvid.example>") # the Debian package's maintainer
# The build number that follows the version wherever the window shows it
# ("V1.1.0 0314"), as the release users know was numbered.
set(KORVID_BUILD_TAG "0314")
set(KORVID_RELEASE_DATE "2017-04-22")

# "1.01": the major version, then the minor one in two digits.
if(PROJECT_VERSION_MINOR LESS 10)
    set(KORVID_SHORT_VERSION "${PROJECT_VERSION_MAJOR}.0${PROJECT_VERSION_MINOR}")
else()
    set(KORVID_SHORT_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
endif()

# "© 2017 青柚工作室", the Windows files' copyright line.
string(SUBSTRING "${KORVID_RELEASE_DATE}" 0 4 KORVID_RELEASE_YEAR)
set(KORVID_COPYRIGHT "© ${KORVID_RELEASE_YEAR} ${KORVID_MAKER}")

# "2017.4.22", as the window shows the date.
string(REGEX REPLACE "^([0-9]+)-0?([0-9]+)-0?([0-9]+)$" "\\1.\\2.\\3" KORVID_RELEASE_DATE_DOTTED "${KORVID_RELEASE_DATE}")

set(KORVID_WINDOW_TITLE "${KORVID_PRODUCT_NAME} V${PROJECT_VERSION} ${KORVID_BUILD_TAG}")
set(KORVID_INTERNAL_NAME "${KORVID_CHINESE_NAME} V${PROJECT_VERSION} 中文版")
set(KORVID_ORIGINAL_FILENAME "${KORVID_INTERNAL_NAME}.exe")

# The downloads' names: the folder both Windows downloads hold, the
# installer, the zip and the file beside them, and the Debian package.
set(KORVID_PORTABLE "${KORVID_PRODUCT_NAME}-${PROJECT_VERSION}-win64")
set(KORVID_SETUP_NAME "${KORVID_PORTABLE}-setup.exe")
set(KORVID_ZIP_NAME "${KORVID_PORTABLE}.zip")
set(KORVID_SIGNATURES_NAME "${KORVID_PORTABLE}-signatures.zip")
set(KORVID_QT_SOURCE_NAME "${KORVID_PRODUCT_NAME}-${PROJECT_VERSION}-qt-source.tar.xz")
set(KORVID_DEB_NAME "${KORVID_PACKAGE}_${PROJECT_VERSION}_amd64.deb")
# Beside the Windows downloads: the machine and the tool versions that made
# them. The published ones are made on this Debian release, whose versions
# give their digests.
set(KORVID_BUILDINFO_NAME "${KORVID_PORTABLE}.buildinfo")
set(KORVID_DOWNLOADS_DEBIAN "12")
# Where Windows lists the installed program for Add/Remove Programs (HKLM).
set(KORVID_UNINSTALL_KEY "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\${KORVID_PRODUCT_NAME}")

# The one time every download records (its files', its archives' and its
# programs' time stamps): the commit's, unless SOURCE_DATE_EPOCH says
# otherwise, so the same commit gives the same bytes whenever it is built.
# A new commit configures the build again.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(KORVID_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
    execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
        OUTPUT_VARIABLE KORVID_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE git_failed)
    execute_process(COMMAND git rev-parse --absolute-git-dir WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
        OUTPUT_VARIABLE git_dir OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(git_failed OR NOT KORVID_SOURCE_DATE_EPOCH)
        message(FATAL_ERROR "No commit to take the downloads' time from: build from a git clone, or set SOURCE_DATE_EPOCH")
    endif()
    if(EXISTS ${git_dir}/logs/HEAD)
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${git_dir}/logs/HEAD)
    endif()
endif()
