# The game shell (start-up, title screen, play loop, frame and camera, trap
# rule, game over, status bar, command line) and the program over it.
add_library(grog_shell STATIC
  ${CMAKE_CURRENT_LIST_DIR}/camera.cpp
  ${CMAKE_CURRENT_LIST_DIR}/command_line.cpp
  ${CMAKE_CURRENT_LIST_DIR}/data_dirs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/focus_pause.cpp
  ${CMAKE_CURRENT_LIST_DIR}/game_over.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gamepad.cpp
  ${CMAKE_CURRENT_LIST_DIR}/key_wait.cpp
  ${CMAKE_CURRENT_LIST_DIR}/library_callbacks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/music.cpp
  ${CMAKE_CURRENT_LIST_DIR}/new_game.cpp
  ${CMAKE_CURRENT_LIST_DIR}/play_loop.cpp
  ${CMAKE_CURRENT_LIST_DIR}/player_input.cpp
  ${CMAKE_CURRENT_LIST_DIR}/render_frame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/screen_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shut_down.cpp
  ${CMAKE_CURRENT_LIST_DIR}/start_up.cpp
  ${CMAKE_CURRENT_LIST_DIR}/step_input.cpp
  ${CMAKE_CURRENT_LIST_DIR}/status_bar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/title_screen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/trap_rule.cpp
  # Recorded games: the file, the recorder, the replay.
  ${CMAKE_CURRENT_LIST_DIR}/recording_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/game_recorder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/game_replay.cpp
  ${CMAKE_CURRENT_LIST_DIR}/run_summary.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_scale.cpp
)
target_include_directories(grog_shell PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(grog_shell PUBLIC world high_scores PkgConfig::ALLEGRO)
target_compile_options(grog_shell PRIVATE ${GROG_WARNINGS})

# The program sits in the build directory's root, beside the Gfx/ and Snd/
# made there, because it opens its art relative to the working directory.
add_executable(grog-sloop ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(grog-sloop PRIVATE grog_shell)
target_compile_options(grog-sloop PRIVATE ${GROG_WARNINGS})
set_target_properties(grog-sloop PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
