# The release: `cpack` in a Windows tree makes Tarvela-Velmarix-VERSION-win64.zip (or -win32)
# of everything installed at the top of the package: the two programs, the help document
# beside them, and LÉAME.txt. Whatever else installs with RUNTIME DESTINATION . goes in too.
install(TARGETS Tarvela Velmarix RUNTIME DESTINATION .)
install(FILES ${CMAKE_BINARY_DIR}/notes/Tarvela.pdf DESTINATION .)

# LÉAME.txt for Notepad: UTF-8 with a byte-order mark (which every Notepad reads as UTF-8,
# whatever the system's code page) and CR LF line ends (older Notepads show LF as nothing).
set(readme_source ${PROJECT_SOURCE_DIR}/docs/release/LÉAME.txt)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${readme_source})
file(READ ${readme_source} readme)
string(REPLACE "\n" "\r\n" readme "${readme}")
string(ASCII 239 187 191 byte_order_mark)
file(WRITE ${CMAKE_BINARY_DIR}/release/LÉAME.txt "${byte_order_mark}${readme}")
install(FILES ${CMAKE_BINARY_DIR}/release/LÉAME.txt DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Tarvela-Velmarix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
include(CPack)
