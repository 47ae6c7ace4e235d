# The application folder before and after the tests. With MODE record it
# writes the SHA-256 of every file under APP_DIR into MANIFEST; with MODE
# check it fails, naming each file added, removed or changed, unless the
# folder is as recorded. The tests run on copies of the folder: the one the
# build made is what the program ships with, and it stays as built.
cmake_minimum_required(VERSION 3.20)

function(app_folder_sums out)
  file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${APP_DIR}" "${APP_DIR}/*")
  list(SORT files)
  set(sums "")
  foreach(name IN LISTS files)
    file(SHA256 "${APP_DIR}/${name}" sum)
    list(APPEND sums "${sum} ${name}")
  endforeach()
  set(${out} "${sums}" PARENT_SCOPE)
endfunction()

app_folder_sums(now)
if(MODE STREQUAL "record")
  file(WRITE "${MANIFEST}" "${now}")
  return()
endif()
file(READ "${MANIFEST}" recorded)
set(differ "")
foreach(entry IN LISTS recorded now)
  list(FIND recorded "${entry}" inRecorded)
  list(FIND now "${entry}" inNow)
  if(inRecorded EQUAL -1 OR inNow EQUAL -1)
    string(REGEX REPLACE "^[0-9a-f]+ " "" name "${entry}")
    list(APPEND differ "${name}")
  endif()
endforeach()
list(REMOVE_DUPLICATES differ)
if(differ)
  list(JOIN differ "\n  " names)
  message(FATAL_ERROR "The tests changed the application folder ${APP_DIR}:\n  ${names}")
endif()
