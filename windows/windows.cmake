# What a Windows build takes of the tree: the libraries, the game with the
# tools that make its art and icon (run under Wine while building), the
# examples, and the Windows-only parts in windows/ (the game's resources,
# the DLL's checks, the tests of the game's files, the packages). The
# world's and the widget layer's own tests run as they are, under Wine.
set(GROG_PARTS world widgets game tools examples windows)
set(GROG_WINDOWS_TOOLS make-assets make-icon)
set(GROG_TEST_PARTS world widgets)
# mingw-w64 declares the POSIX localtime_r (which the game's screenshot
# names use) only when asked.
add_compile_definitions(_POSIX_THREAD_SAFE_FUNCTIONS=200112L)
