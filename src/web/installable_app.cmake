# The page as an app a phone installs and opens offline: its manifest, its
# icons drawn from the desktop icon, and the service worker, written last
# from every file of the built site. Included after the site's own files.

find_program(BIO_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(BIO_ZOPFLIPNG zopflipng REQUIRED)
set(app_svg ${PROJECT_SOURCE_DIR}/dist/jp.biorhythm.Biorhythm.svg)
set(app_outputs)

# app.js is made small with the page's scripts (CMakeLists.txt).
configure_file(site/manifest.webmanifest ${BIO_SITE_DIR}/manifest.webmanifest COPYONLY)
list(APPEND app_outputs ${BIO_SITE_DIR}/manifest.webmanifest)

# Icons "any" are the drawing as it is. Maskable ones, and Apple's, which iOS
# rounds itself, fill the square with the drawing's face colour and keep the
# drawing within the safe zone, the middle circle of 80 %: the rounded frame's
# far corners lie at 0.6 of the side from the centre, so two thirds of it.
function(bio_app_icon name size padded)
  set(png ${BIO_SITE_DIR}/${name}.png)
  set(drawn ${CMAKE_CURRENT_BINARY_DIR}/${name}.png)
  if(padded)
    math(EXPR inner "${size} * 66 / 100")
    math(EXPR margin "(${size} - ${inner}) / 2")
    set(layout --width=${inner} --height=${inner} --page-width=${size} --page-height=${size}
      --left=${margin} --top=${margin} "--background-color=#F7F7F2")
  else()
    set(layout --width=${size} --height=${size})
  endif()
  # Squeezed without loss: the browser fetches one with the manifest on
  # every first visit.
  add_custom_command(OUTPUT ${png}
    COMMAND ${BIO_RSVG_CONVERT} ${layout} --output=${drawn} ${app_svg}
    COMMAND ${BIO_ZOPFLIPNG} -y -m ${drawn} ${png}
    DEPENDS ${app_svg} VERBATIM)
  set(app_outputs ${app_outputs} ${png} PARENT_SCOPE)
endfunction()
bio_app_icon(icon-192 192 OFF)
bio_app_icon(icon-512 512 OFF)
bio_app_icon(icon-maskable-192 192 ON)
bio_app_icon(icon-maskable-512 512 ON)
bio_app_icon(apple-touch-icon 180 ON)

# The service worker names every file of the site and a version drawn from
# their contents, so that any change to any of them is a new version.
set(site_inputs)
foreach(file IN LISTS site_files)
  list(APPEND site_inputs ${BIO_SITE_DIR}/${file})
endforeach()
set(worker_template ${CMAKE_CURRENT_SOURCE_DIR}/service_worker.js.in)
set(worker_script ${CMAKE_CURRENT_SOURCE_DIR}/service_worker.cmake)
add_custom_command(OUTPUT ${BIO_SITE_DIR}/sw.js
  COMMAND ${CMAKE_COMMAND} -DSITE=${BIO_SITE_DIR} -DTEMPLATE=${worker_template} -P ${worker_script}
  DEPENDS biorhythm-page ${site_inputs} ${app_outputs} ${worker_template} ${worker_script}
  VERBATIM)
add_custom_target(bio_site_worker ALL DEPENDS ${BIO_SITE_DIR}/sw.js)
