# What a release says about itself to the package managers. Like the About
# box's addresses, these are placeholders until a release sets its own at
# configure time; scripts/package.sh writes them into the Scoop and winget
# manifests beside the zips.
set(PLINKETY_RELEASES "https://plinkety.example.org/releases/" CACHE STRING
  "the web folder the release zips are downloaded from; its page names the newest zips")
set(PLINKETY_PUBLISHER "The Plinkety developers" CACHE STRING "the publisher named in the package manifests")
set(PLINKETY_PACKAGE_ID "Plinkety.Plinkety" CACHE STRING "winget's package identifier, Publisher.Package")

# A CMake string as a JSON string, quotes included.
function(plinkety_json_string out value)
  string(REPLACE "\\" "\\\\" value "${value}")
  string(REPLACE "\"" "\\\"" value "${value}")
  set(${out} "\"${value}\"" PARENT_SCOPE)
endfunction()

set(release_json "{}")
foreach(pair "version;${PROJECT_VERSION}" "website;${PLINKETY_WEBSITE}" "email;${PLINKETY_EMAIL}"
             "releases;${PLINKETY_RELEASES}" "publisher;${PLINKETY_PUBLISHER}" "package_id;${PLINKETY_PACKAGE_ID}")
  list(GET pair 0 key)
  list(GET pair 1 value)
  plinkety_json_string(value "${value}")
  string(JSON release_json SET "${release_json}" ${key} "${value}")
endforeach()
# Written only when it changes, so an unchanged configure rebuilds nothing.
set(release_file ${CMAKE_BINARY_DIR}/generated/release.json)
set(written "")
if(EXISTS ${release_file})
  file(READ ${release_file} written)
endif()
if(NOT written STREQUAL "${release_json}\n")
  file(WRITE ${release_file} "${release_json}\n")
endif()
