// File paths in recorded runs. A recording may only hold paths under one of
// the capture directories CAP_PATH1, CAP_PATH2, ...; on replay each is mapped
// onto the replay directory REP_PATHn of the same index, so a run recorded on
// one machine replays on another. The capture.env file in $QORRECORDREPLAY
// defines those variables for the replay.
#pragma once

// Returns only when `path` lies under a capture directory; otherwise writes
// the fatal-error box on standard error and ends the process with status 6.
void CheckRecordPath(const char* path);

// Loads $QORRECORDREPLAY/capture.env into the environment ("NAME VALUE" per
// line). Ends the process with status 7 when the file cannot be opened.
void ReadCapturePath();

// Maps a recorded directory and selection onto this machine; the results are
// left in tempo_directorie and tempo_selection. Ends the process with status 6
// or 7 when no capture directory matches.
void CheckReplayPath(char* directory, char* selection);

// Results of the last CheckReplayPath; owned by the library, null before the first.
extern char* tempo_directorie;
extern char* tempo_selection;
