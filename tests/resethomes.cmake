# Wipes every test's home so each ctest run starts from nothing.
file(REMOVE_RECURSE ${HOMES})
file(MAKE_DIRECTORY ${HOMES})
