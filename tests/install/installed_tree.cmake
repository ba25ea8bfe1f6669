# Checks an installed tree: `root` is where the files landed (a scratch
# folder), `prefix` the prefix they were installed for. The desktop entry
# must start the program from the data folder of that prefix.
function(norvane_check_tree root prefix app_id)
  set(expected
      bin/norvane
      share/norvane/flower.jpg
      share/norvane/BioManual.txt
      share/applications/${app_id}.desktop
      share/icons/hicolor/32x32/apps/${app_id}.png
      share/icons/hicolor/scalable/apps/${app_id}.svg
      share/metainfo/${app_id}.metainfo.xml
      share/man/man1/norvane.1.gz
      share/doc/norvane/copyright
      share/doc/norvane/changelog.gz)
  foreach(file IN LISTS expected)
    if(NOT EXISTS "${root}${prefix}/${file}")
      message(FATAL_ERROR "missing: ${prefix}/${file}")
    endif()
  endforeach()

  file(STRINGS "${root}${prefix}/share/applications/${app_id}.desktop" entry)
  foreach(want "Exec=${prefix}/bin/norvane" "Path=${prefix}/share/norvane" "Icon=${app_id}")
    if(NOT want IN_LIST entry)
      message(FATAL_ERROR "the desktop entry lacks the line ${want}")
    endif()
  endforeach()

  execute_process(COMMAND file -b "${root}${prefix}/share/icons/hicolor/32x32/apps/${app_id}.png"
                  OUTPUT_VARIABLE kind COMMAND_ERROR_IS_FATAL ANY)
  if(NOT kind MATCHES "^PNG image data, 32 x 32")
    message(FATAL_ERROR "the 32 x 32 icon is ${kind}")
  endif()

  # gzip -9n: a name or time stamp inside would make two builds differ.
  foreach(file share/man/man1/norvane.1.gz share/doc/norvane/changelog.gz)
    execute_process(COMMAND file -b "${root}${prefix}/${file}" OUTPUT_VARIABLE kind
                    COMMAND_ERROR_IS_FATAL ANY)
    if(NOT kind MATCHES "^gzip compressed data, max compression, from Unix")
      message(FATAL_ERROR "${file} is ${kind}")
    endif()
  endforeach()
endfunction()
