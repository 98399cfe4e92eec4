# Installs into a scratch prefix and checks the tree a desktop expects; the
# validators run when the machine has them.
set(prefix ${WORK}/prefix)
file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix}
    RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "install failed: ${rc}")
endif()

foreach(path
        bin/dimlet
        lib/dimlet/dimlet
        bin/dimlet-render
        lib/dimlet/dimlet-render
        bin/dimlet-thumbnailer
        lib/dimlet/dimlet-thumbnailer
        share/thumbnailers/dimlet.thumbnailer
        share/applications/app.dimlet.Dimlet.desktop
        share/mime/packages/app.dimlet.Dimlet.xml
        share/metainfo/app.dimlet.Dimlet.metainfo.xml
        share/dbus-1/services/app.dimlet.Dimlet.service
        share/man/man1/dimlet.1
        share/man/man1/dimlet-render.1
        share/man/man1/dimlet-thumbnailer.1)
    if(NOT EXISTS ${prefix}/${path})
        message(FATAL_ERROR "missing after install: ${path}")
    endif()
endforeach()
# The thumbnailer entry must name the installed program and the document's file type.
file(READ ${prefix}/share/thumbnailers/dimlet.thumbnailer thumbnailer)
file(READ ${SOURCE}/resources/desktop/app.dimlet.Dimlet.mime.xml mime)
string(REGEX MATCH "mime-type type=\"([^\"]+)\"" unused "${mime}")
set(document_type ${CMAKE_MATCH_1})
foreach(line
        "^\\[Thumbnailer Entry\\]\n"
        "TryExec=/[^\n]*/dimlet-thumbnailer\n"
        "Exec=/[^\n]*/dimlet-thumbnailer %i %o %s\n"
        "MimeType=${document_type};\n")
    string(REGEX MATCH "${line}" found "${thumbnailer}")
    if(NOT found OR NOT document_type)
        message(FATAL_ERROR "thumbnailer entry lacks ${line}")
    endif()
endforeach()

file(GLOB qm_files ${prefix}/lib/dimlet/languages/*.qm)
file(GLOB built_qm ${BUILD}/languages/*.qm)
list(LENGTH qm_files installed_count)
list(LENGTH built_qm built_count)
if(NOT installed_count EQUAL built_count)
    message(FATAL_ERROR "languages: ${installed_count} installed, ${built_count} built")
endif()
file(GLOB icons ${prefix}/share/icons/hicolor/*/apps/app.dimlet.Dimlet.png)
list(LENGTH icons icon_count)
if(NOT icon_count EQUAL 6)
    message(FATAL_ERROR "no application icon in the hicolor theme")
endif()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
    execute_process(COMMAND ${DESKTOP_FILE_VALIDATE}
        ${prefix}/share/applications/app.dimlet.Dimlet.desktop RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "desktop-file-validate failed")
    endif()
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
    execute_process(COMMAND ${APPSTREAMCLI} validate --no-net
        ${prefix}/share/metainfo/app.dimlet.Dimlet.metainfo.xml RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "appstreamcli validate failed")
    endif()
endif()
message(STATUS "install tree complete")
