# Join the help pages (PAGES, a list of files) into the help file OUTPUT.
file(WRITE "${OUTPUT}.new" "")
foreach(page IN LISTS PAGES)
    file(READ "${page}" text)
    file(APPEND "${OUTPUT}.new" "${text}")
endforeach()
file(RENAME "${OUTPUT}.new" "${OUTPUT}")
