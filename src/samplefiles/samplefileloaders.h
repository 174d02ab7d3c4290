// The sample-file readers offered to the audio engine's LoadAudioSample, so that a
// sound loaded from a file path finds WAV and AIFF files.
#pragma once

// Adds the WAV and AIFF loaders once; later calls do nothing. Called at start-up,
// after the audio engine's module start.
void InitSampleFileLoaders();
