# Everything Korvid says about itself outside its code: names, maker and
# version strings. The version comes from project(); the rest stands here.

set(KORVID_APP_ID "cn.qingyou.Korvid") # reverse-DNS id of the desktop entry and metainfo
set(KORVID_PRODUCT_NAME "Korvid")
set(KORVID_PACKAGE "korvid") # the Debian package
set(KORVID_CHINESE_NAME "Korvid理科计算器")
set(KORVID_MAKER "青柚工作室")
set(KORVID_CONTACT "Korvid maintainers <korvid@korvid.example>") # the Debian package's maintainer
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
