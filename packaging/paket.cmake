# Debian package of the program: `cpack -G DEB` in a Release build directory writes
# kestrun1_<version>_<arch>.deb with the program, its desktop files, manual page, copyright and
# changelog.
if(NOT KESTRUN_GUI)
    return()
endif()

include(GNUInstallDirs)

set(KESTRUN_PAKET kestrun1)
set(KESTRUN_PACKAGE_QUELLE ${CMAKE_CURRENT_LIST_DIR})
set(KESTRUN_PACKAGE_BAU ${PROJECT_BINARY_DIR}/paket)
set(KESTRUN_PACKAGE_BETREUER "Kestrun1 developers <kestrun1@users.noreply.github.com>")

# The package version is the project version; a changelog that names another one would ship stale.
file(STRINGS ${KESTRUN_PACKAGE_QUELLE}/changelog KESTRUN_CHANGELOG_KOPF LIMIT_COUNT 1)
if(NOT KESTRUN_CHANGELOG_KOPF MATCHES "^${KESTRUN_PAKET} \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "packaging/changelog: erster Eintrag ist nicht ${KESTRUN_PAKET} (${PROJECT_VERSION})")
endif()

# Debian wants documentation compressed at the highest level, without file name or time stamp,
# so that two builds of the same text give the same bytes.
find_program(KESTRUN_GZIP gzip REQUIRED)
function(kestrun_gzip quelle ziel)
    get_filename_component(ungepackt ${ziel} NAME_WLE)
    add_custom_command(
        OUTPUT ${KESTRUN_PACKAGE_BAU}/${ziel}
        COMMAND ${CMAKE_COMMAND} -E copy ${quelle} ${KESTRUN_PACKAGE_BAU}/${ungepackt}
        COMMAND ${KESTRUN_GZIP} -9nf ${KESTRUN_PACKAGE_BAU}/${ungepackt}
        DEPENDS ${quelle}
        VERBATIM)
endfunction()

# The man page lists the output formats as the format table has them: read from its rows
# ({"SVG", "svg", {".svg", ""}, ...), so that a new row needs no edit here.
set(kestrun_formate_quelle ${PROJECT_SOURCE_DIR}/export/formate.cpp)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${kestrun_formate_quelle})
file(READ ${kestrun_formate_quelle} kestrun_tabelle)
set(kestrun_zeile "{\"([A-Za-z-]+)\",[ \n]*\"([a-z]+)\",[ \n]*{(\"[.a-z]*\"(, \"[.a-z]*\")*)}")
string(REGEX MATCHALL "${kestrun_zeile}" kestrun_zeilen "${kestrun_tabelle}")
set(KESTRUN_ENDUNGEN "")
set(KESTRUN_ENDUNGEN_DE "")
foreach(zeile IN LISTS kestrun_zeilen)
    string(REGEX MATCH "${kestrun_zeile}" _ "${zeile}")
    set(name ${CMAKE_MATCH_1})
    set(option ${CMAKE_MATCH_2})
    string(REGEX MATCHALL "\\.[a-z]+" endungen "${CMAKE_MATCH_3}")
    list(JOIN endungen ", " endungen)
    set(eintrag "${name} (${endungen}; also \\-\\-${option})")
    if(KESTRUN_ENDUNGEN)
        string(APPEND KESTRUN_ENDUNGEN ",\n")
        string(APPEND KESTRUN_ENDUNGEN_DE ",\n")
    endif()
    string(APPEND KESTRUN_ENDUNGEN "${eintrag}")
    string(APPEND KESTRUN_ENDUNGEN_DE "${name} (${endungen}; auch \\-\\-${option})")
endforeach()
if(NOT KESTRUN_ENDUNGEN)
    message(FATAL_ERROR "packaging: no output format found in ${kestrun_formate_quelle}")
endif()
configure_file(${KESTRUN_PACKAGE_QUELLE}/kestrun1.1.in ${KESTRUN_PACKAGE_BAU}/seite/kestrun1.1 @ONLY)
kestrun_gzip(${KESTRUN_PACKAGE_QUELLE}/changelog changelog.gz)
kestrun_gzip(${KESTRUN_PACKAGE_BAU}/seite/kestrun1.1 kestrun1.1.gz)
# The German page beside it, as Debian places translated pages: man/de/man1.
configure_file(${KESTRUN_PACKAGE_QUELLE}/kestrun1.de.1.in ${KESTRUN_PACKAGE_BAU}/seite/de/kestrun1.1
               @ONLY)
add_custom_command(
    OUTPUT ${KESTRUN_PACKAGE_BAU}/de/kestrun1.1.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${KESTRUN_PACKAGE_BAU}/seite/de/kestrun1.1
            ${KESTRUN_PACKAGE_BAU}/de/kestrun1.1
    COMMAND ${KESTRUN_GZIP} -9nf ${KESTRUN_PACKAGE_BAU}/de/kestrun1.1
    DEPENDS ${KESTRUN_PACKAGE_BAU}/seite/de/kestrun1.1
    VERBATIM)
add_custom_target(kestrun_paket_doku ALL
    DEPENDS ${KESTRUN_PACKAGE_BAU}/changelog.gz ${KESTRUN_PACKAGE_BAU}/kestrun1.1.gz
            ${KESTRUN_PACKAGE_BAU}/de/kestrun1.1.gz)

# Named after the package, not the project: Debian looks in /usr/share/doc/<package>.
install(FILES ${KESTRUN_PACKAGE_QUELLE}/copyright ${KESTRUN_PACKAGE_BAU}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${KESTRUN_PAKET})
install(FILES ${KESTRUN_PACKAGE_BAU}/kestrun1.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${KESTRUN_PACKAGE_BAU}/de/kestrun1.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/de/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${KESTRUN_PAKET})
# CPack would take three parts only; the package carries all four.
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "the Kestrun1 developers")
set(CPACK_PACKAGE_CONTACT ${KESTRUN_PACKAGE_BETREUER})
set(CPACK_PACKAGE_HOMEPAGE_URL https://github.com/kestrun1/kestrun1)
# Debian takes descriptions in English; the German text follows as a paragraph of the long one.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "print airfoil outlines at true scale")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${KESTRUN_PACKAGE_QUELLE}/beschreibung.txt)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Without this the staged directories follow the builder's umask (002 gives group-writable dirs).
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${KESTRUN_PACKAGE_BETREUER})
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads the window-system plugin at run time, so dpkg-shlibdeps cannot see it; libqt6gui6 only
# recommends it, and without it the program cannot open a window at all.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
# The toolkit's own dialogs (file, print) in German when the program speaks German.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

include(CPack)
