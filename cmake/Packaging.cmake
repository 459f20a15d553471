# The Debian package: `cpack -G DEB` in the build folder makes lirandel_1.0_amd64.deb from
# the installed layout (cmake/Install.cmake), rooted at /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lirandel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${PROJECT_DESCRIPTION})
# Debian wants the long description in lines of under 80 characters; CPack keeps them as written.
set(CPACK_PACKAGE_DESCRIPTION [[
Lirandel is for people who write Chinese verse, lyrics or rap. Type a rhyme,
a pinyin final such as ang, and it lists every syllable of its rhyme table
that ends in it, with the characters read that way, most frequent first.

The package holds the window (Lirandel, started from the menu), the console
filter (Kestrun) and a rhyme table of the 8105 characters of the general
standard character list. Each user works in ~/.local/share/lirandel, which
gets a copy of the table on the first start.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Lirandel maintainers <maintainers@users.noreply.c-seed-f1801c48.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps names the libraries the programs link: Qt 6 (whose libqt6gui6 holds the X11
# platform plugin), the C++ runtime, libc. Nothing links a font, yet without a Chinese one the
# window shows empty boxes.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-microhei | fonts-noto-cjk | fonts-wqy-zenhei")

include(CPack)
