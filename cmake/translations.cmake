# The game in the player's language. translations/velmor08_<language>.ts holds the translation of
# every text of the program, translations/velmor08_<language>.desktop.txt the desktop entry's and
# the metainfo's texts; a new language is a new pair of files, found by the build.
#   cmake --build --preset default --target update_translations   brings every .ts up to date
#                                                                  with the texts of the code
# The .qm files are built into translations/ next to the executable, where the program finds them,
# and installed into share/velmor08/translations.
include(GNUInstallDirs)
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

file(GLOB VELMOR08_TS_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/translations/velmor08_*.ts)
set(VELMOR08_QM_DIR ${CMAKE_BINARY_DIR}/translations)
set_source_files_properties(${VELMOR08_TS_FILES} PROPERTIES OUTPUT_LOCATION ${VELMOR08_QM_DIR})
qt_add_lrelease(velmor08 TS_FILES ${VELMOR08_TS_FILES} QM_FILES_OUTPUT_VARIABLE VELMOR08_QM_FILES
                OPTIONS -silent -nounfinished -removeidentical)
file(GLOB_RECURSE VELMOR08_TRANSLATED_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/*.cpp ${CMAKE_SOURCE_DIR}/src/*.h)
qt_add_lupdate(velmor08 TS_FILES ${VELMOR08_TS_FILES} SOURCES ${VELMOR08_TRANSLATED_SOURCES}
               OPTIONS -no-obsolete -locations none -silent)

set(VELMOR08_TRANSLATIONS_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/velmor08/translations)
# The installed program finds them relative to its own place, whatever the prefix.
file(RELATIVE_PATH VELMOR08_TRANSLATIONS_FROM_BIN ${CMAKE_INSTALL_PREFIX}/${VELMOR08_INSTALL_GAMESDIR}
     ${CMAKE_INSTALL_PREFIX}/${VELMOR08_TRANSLATIONS_INSTALL_DIR})
target_compile_definitions(velmor08_platform PRIVATE VELMOR08_INSTALLED_TRANSLATIONS="${VELMOR08_TRANSLATIONS_FROM_BIN}")

# The desktop entry's and the metainfo's texts in each language, for data/*.in: lines of
# "Key=text" (Name, GenericName, Comment, Summary, and one Description line per paragraph).
function(velmor08_xml_escape out text)
  string(REPLACE "&" "&amp;" text "${text}")
  string(REPLACE "<" "&lt;" text "${text}")
  string(REPLACE ">" "&gt;" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

file(GLOB VELMOR08_DESKTOP_TEXTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/translations/velmor08_*.desktop.txt)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${VELMOR08_DESKTOP_TEXTS})
set(VELMOR08_DESKTOP_L10N "")
set(VELMOR08_METAINFO_NAME_L10N "")
set(VELMOR08_METAINFO_SUMMARY_L10N "")
set(VELMOR08_METAINFO_DESCRIPTION_L10N "")
foreach(texts ${VELMOR08_DESKTOP_TEXTS})
  get_filename_component(language ${texts} NAME)
  string(REGEX REPLACE "^velmor08_(.*)\\.desktop\\.txt$" "\\1" language "${language}")
  file(STRINGS ${texts} lines ENCODING UTF-8)
  foreach(line ${lines})
    if(NOT line MATCHES "^([A-Za-z]+)=(.+)$")
      continue()
    endif()
    set(key ${CMAKE_MATCH_1})
    set(text "${CMAKE_MATCH_2}")
    velmor08_xml_escape(xml "${text}")
    if(key MATCHES "^(Name|GenericName|Comment)$")
      string(APPEND VELMOR08_DESKTOP_L10N "\n${key}[${language}]=${text}")
    endif()
    if(key STREQUAL "Name")
      string(APPEND VELMOR08_METAINFO_NAME_L10N "\n  <name xml:lang=\"${language}\">${xml}</name>")
    elseif(key STREQUAL "Summary")
      string(APPEND VELMOR08_METAINFO_SUMMARY_L10N "\n  <summary xml:lang=\"${language}\">${xml}</summary>")
    elseif(key STREQUAL "Description")
      string(APPEND VELMOR08_METAINFO_DESCRIPTION_L10N "\n    <p xml:lang=\"${language}\">${xml}</p>")
    endif()
  endforeach()
endforeach()
