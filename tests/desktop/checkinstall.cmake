# Installs into a scratch prefix and checks the tree a desktop expects; the
# validators run when the machine has them.
set(prefix ${WORK}/prefix)
file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix}
    RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "install failed: ${rc}")
endif()

set(id app.dimlet.Dimlet)
foreach(path bin/dimlet lib/dimlet/dimlet bin/dimlet-render lib/dimlet/dimlet-render
        bin/dimlet-thumbnailer lib/dimlet/dimlet-thumbnailer share/applications/${id}.desktop
        share/metainfo/${id}.metainfo.xml share/mime/packages/${id}.xml
        share/dbus-1/services/${id}.service share/thumbnailers/dimlet.thumbnailer
        share/man/man1/dimlet.1 share/man/man1/dimlet-render.1 share/man/man1/dimlet-thumbnailer.1)
    if(NOT EXISTS ${prefix}/${path})
        message(FATAL_ERROR "missing after install: ${path}")
    endif()
endforeach()

# The thumbnailer entry names the installed program and the document's file type.
file(READ ${prefix}/share/thumbnailers/dimlet.thumbnailer thumbnailer)
file(READ ${SOURCE}/resources/desktop/${id}.mime.xml mime)
string(REGEX MATCH "mime-type type=\"([^\"]+)\"" unused "${mime}")
set(type ${CMAKE_MATCH_1})
if(NOT type OR NOT thumbnailer MATCHES
        "^\\[Thumbnailer Entry\\]\nTryExec=/[^\n]*/dimlet-thumbnailer\nExec=/[^\n]*/dimlet-thumbnailer %i %o %s\nMimeType=${type};")
    message(FATAL_ERROR "thumbnailer entry: ${thumbnailer}")
endif()

file(GLOB installed ${prefix}/lib/dimlet/languages/*.qm)
file(GLOB built ${BUILD}/languages/*.qm)
file(GLOB icons ${prefix}/share/icons/hicolor/*/apps/${id}.png)
list(LENGTH installed installed_count)
list(LENGTH built built_count)
list(LENGTH icons icon_count)
if(NOT installed_count EQUAL built_count OR NOT icon_count EQUAL 6)
    message(FATAL_ERROR "${installed_count} of ${built_count} languages, ${icon_count} of 6 icons")
endif()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
foreach(check "${DESKTOP_FILE_VALIDATE};share/applications/${id}.desktop"
        "${APPSTREAMCLI};validate;--no-net;share/metainfo/${id}.metainfo.xml")
    list(GET check 0 validator)
    list(REMOVE_AT check 0)
    list(TRANSFORM check PREPEND ${prefix}/ REGEX "^share/")
    if(validator)
        execute_process(COMMAND ${validator} ${check} RESULT_VARIABLE rc)
        if(NOT rc EQUAL 0)
            message(FATAL_ERROR "${validator} ${check} failed")
        endif()
    endif()
endforeach()
