# Copies the default setup.ini into the dist folder unless one is there,
# and makes sure the folders the game writes into exist.
file(MAKE_DIRECTORY "${DIST}/data/saves" "${DIST}/data/levels")
if(NOT EXISTS "${TARGET}")
    file(COPY_FILE "${SOURCE}" "${TARGET}")
endif()
