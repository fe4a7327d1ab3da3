# The Debian package of `make package`: what Debian asks of every package beside the game
# (the copyright, a changelog, a manual page), and CPack's settings for the .deb.
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/ninefold)
set(packaging ${PROJECT_SOURCE_DIR}/packaging)
set(compressed ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${compressed})
add_custom_command(OUTPUT ${compressed}/changelog.gz ${compressed}/ninefold.6.gz
    COMMAND gzip -9n -c ${packaging}/changelog > ${compressed}/changelog.gz
    COMMAND gzip -9n -c ${packaging}/ninefold.6 > ${compressed}/ninefold.6.gz
    DEPENDS ${packaging}/changelog ${packaging}/ninefold.6)
add_custom_target(ninefold-package-docs ALL
    DEPENDS ${compressed}/changelog.gz ${compressed}/ninefold.6.gz)
install(FILES ${packaging}/copyright ${compressed}/changelog.gz DESTINATION ${doc_dir}
        PERMISSIONS ${ninefold_file_permissions})
install(FILES ${compressed}/ninefold.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6
        PERMISSIONS ${ninefold_file_permissions})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ninefold)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Ninefold developers <ninefold@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "dice game: cover the numbers 1 to 9 with two dice")
set(CPACK_PACKAGE_DESCRIPTION "Ninefold is a dice game for one to four players at one computer, played
with the mouse or the keyboard. Throw two dice and cover the number equal to
their sum, or both numbers the dice show; every number covered scores its
value. After five rounds the highest total wins.
.
One person can play against the computer, as designed or as an expert that
always makes the best move; a hint shows the best move for any throw. The
game speaks English, Czech, Dutch, French, German, Italian, Japanese, Polish,
Brazilian Portuguese, Russian, Simplified Chinese, Spanish and Swedish.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://ninefold.example.org)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The designed faces: Arial's metrics come from Liberation; Tahoma, for two buttons, is
# welcome but not needed. Japanese and Chinese letters come from Noto CJK (56 MB to download,
# 91 MB installed: recommended, as only two of the languages need it). The record of matches
# is kept in SQLite through Qt SQL's driver, a plugin that no library links.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wine, fonts-noto-cjk, qt6-wayland")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
