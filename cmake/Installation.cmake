# cmake --install lays out an XDG installation under the prefix. The programs go to bin/
# and what they read to share/tidecopy/: a program finds its installation by that pair
# (makeEnvironment) and then keeps the user's files in $XDG_CONFIG_HOME/Tidecopy.
install(TARGETS tidecopy tidecopy-cli RUNTIME DESTINATION bin)

install(FILES
    ${TIDECOPY_PROGRAM_DIR}/s0.wav ${TIDECOPY_PROGRAM_DIR}/s1.wav
    ${TIDECOPY_PROGRAM_DIR}/s2.wav ${TIDECOPY_PROGRAM_DIR}/s3.wav
    ${TIDECOPY_PROGRAM_DIR}/Manual.pdf
  DESTINATION share/tidecopy)

install(FILES ${PROJECT_SOURCE_DIR}/assets/desktop/${TIDECOPY_APP_ID}.desktop
  DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/assets/desktop/${TIDECOPY_APP_ID}.metainfo.xml
  DESTINATION share/metainfo)

install(FILES ${PROJECT_SOURCE_DIR}/assets/icons/tidecopy.svg
  DESTINATION share/icons/hicolor/scalable/apps RENAME ${TIDECOPY_APP_ID}.svg)
foreach(size IN LISTS TIDECOPY_ICON_SIZES)
  install(FILES ${TIDECOPY_ICON_DIR}/${size}x${size}/tidecopy.png
    DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ${TIDECOPY_APP_ID}.png)
endforeach()

install(FILES ${PROJECT_SOURCE_DIR}/docs/tidecopy.1 ${PROJECT_SOURCE_DIR}/docs/tidecopy-cli.1
  DESTINATION share/man/man1)
