# What scripts/dist packs: the shipped programs through `cmake --install --component programs`,
# and the facts it needs from this build in dist.env (no build paths guessed by the script).
set(MODULIX_RELEASE_URL "https://www.tervane.example/modulix/releases" CACHE STRING
    "Where the release's files are published; each release in the folder named after its version")

foreach(program Modulix modulix-report)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION . COMPONENT programs)
  endif()
endforeach()

file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/dist.env CONTENT
"MODULIX_VERSION=${PROJECT_VERSION}
MODULIX_RELEASE_URL=${MODULIX_RELEASE_URL}
MODULIX_SITE_URL=${MODULIX_SITE_URL}
")
