// --record FILE: writes the seed, the controls every play step consumed,
// the keys that leave the waiting screens and the names entered, one line
// each as it happens, so a run that crashes still leaves what led there.
#pragma once

#include <string>

// Creates the file and writes its first lines. False, with the reason, if
// the file cannot be written; nothing is hooked in then.
bool openRecording(const char *path, unsigned int seed, std::string &error);

// Puts the recorder in front of the play step's controls, the key waits,
// the name entry and the close button. Call once start-up is done.
void startRecording();

// Writes the final state as the "end" line and closes the file.
void finishRecording();
