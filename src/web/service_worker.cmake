# Usage: cmake -DSITE=DIR -DTEMPLATE=service_worker.js.in -P service_worker.cmake
# Writes DIR/sw.js: the service worker that caches every file of the site
# in DIR, as it stands, under a version that is a hash of their contents.

file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM files sw.js)
list(SORT files)
set(contents "")
set(BIO_SITE_FILES "'./'")
foreach(file IN LISTS files)
  file(SHA256 ${SITE}/${file} hash)
  string(APPEND contents "${file} ${hash}\n")
  string(APPEND BIO_SITE_FILES ", '${file}'")
endforeach()
string(SHA256 version "${contents}")
string(SUBSTRING ${version} 0 16 BIO_SITE_VERSION)
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
