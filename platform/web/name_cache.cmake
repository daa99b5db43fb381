# Writes the page's service worker from its template: the files it keeps, and its cache named by
# a hash of their contents, so that each build of the page has a cache of its own.
#   cmake -DSITE=folder -DTEMPLATE=file -DOUTPUT=file -DFILES=a,b -P name_cache.cmake
string(REPLACE "," ";" FILES "${FILES}")
set(contents "")
set(quoted "\"./\"")
foreach(file IN LISTS FILES)
  file(SHA256 ${SITE}/${file} hash)
  string(APPEND contents "${file} ${hash}\n")
  string(APPEND quoted ", \"${file}\"")
endforeach()
string(SHA256 whole "${contents}")
string(SUBSTRING ${whole} 0 16 PAGE_HASH)
set(PAGE_FILES ${quoted})
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
