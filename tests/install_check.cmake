# Installs the build into a scratch prefix and checks what a desktop needs:
# both programs, the menu entry (German, category Game), the icon and the
# default tiles, which the installed tool then copies into a new folder.
# cmake -DBUILD=<build dir> -DPREFIX=<scratch dir> -P install_check.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX} RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()
foreach(f bin/zendral bin/zendral-cli share/applications/zendral.desktop
          share/icons/hicolor/scalable/apps/zendral.svg share/zendral/images/wozean.bmp)
  if(NOT EXISTS ${PREFIX}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
file(READ ${PREFIX}/share/applications/zendral.desktop entry)
foreach(line "Exec=zendral" "Icon=zendral" "Categories=Game;" "Comment=Auswertungen" "GenericName=Assistent für")
  string(FIND "${entry}" "${line}" at)
  if(at LESS 0)
    message(FATAL_ERROR "menu entry lacks ${line}")
  endif()
endforeach()
# A packager's tile replaces the drawn one in every new program folder.
file(WRITE ${PREFIX}/share/zendral/images/wozean.bmp "eigenes Bild")
execute_process(COMMAND ${PREFIX}/bin/zendral-cli init ${PREFIX}/folder RESULT_VARIABLE rc OUTPUT_QUIET)
file(READ ${PREFIX}/folder/images/wozean.bmp copied)
if(NOT rc EQUAL 0 OR NOT copied STREQUAL "eigenes Bild")
  message(FATAL_ERROR "a new program folder did not take the installed tiles")
endif()
file(REMOVE_RECURSE ${PREFIX})
