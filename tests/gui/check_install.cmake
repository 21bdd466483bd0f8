# Installs the build into a fresh prefix and checks the desktop integration,
# the manual pages and the completion:
# cmake -DBUILD_DIR=... -DPREFIX=... -DVERSION=... -P check_install.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

foreach(path bin/vorn bin/vorn-cli share/applications/org.vorn.Vorn.desktop share/mime/packages/vorn.xml
             share/metainfo/org.vorn.Vorn.metainfo.xml share/man/man1/vorn.1.gz share/man/man1/vorn-cli.1.gz
             share/bash-completion/completions/vorn-cli share/zsh/vendor-completions/_vorn-cli
             share/icons/hicolor/16x16/apps/vorn.png share/icons/hicolor/48x48/apps/vorn.png
             share/icons/hicolor/256x256/apps/vorn.png)
  if(NOT EXISTS ${PREFIX}/${path})
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()

file(READ ${PREFIX}/share/applications/org.vorn.Vorn.desktop desktop)
foreach(line "Exec=vorn %f" "Icon=vorn" "MimeType=application/x-vorn-pck;application/x-vorn-dir;")
  string(FIND "${desktop}" "${line}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "org.vorn.Vorn.desktop lacks: ${line}")
  endif()
endforeach()

file(READ ${PREFIX}/share/mime/packages/vorn.xml mime)
foreach(glob "*.pck" "*.dir")
  string(FIND "${mime}" "<glob pattern=\"${glob}\"/>" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "vorn.xml lacks the glob ${glob}")
  endif()
endforeach()
# Software centres show the newest release as the version: it must be this one.
file(READ ${PREFIX}/share/metainfo/org.vorn.Vorn.metainfo.xml metainfo)
string(REGEX MATCH "<release version=\"[^\"]*\"" newest "${metainfo}")
if(NOT newest STREQUAL "<release version=\"${VERSION}\"")
  message(FATAL_ERROR "the metainfo's newest release is not ${VERSION}: ${newest}")
endif()
file(REMOVE_RECURSE ${PREFIX})
