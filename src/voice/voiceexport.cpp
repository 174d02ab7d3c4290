// One voice's sample through the sample files' WAV writer.
#include "voice/voiceexport.h"

#include <algorithm>
#include <cctype>

#include "platform/files.h"
#include "platform/print.h"
#include "samplefiles/wavfile.h"
#include "voice/voicetypes.h"

namespace {

// The file the writer makes of a path: trailing blanks dropped, ".wav" added unless
// the path ends in it (any case).
std::string WrittenFile(std::string path) {
  while (!path.empty() && path.back() == ' ') path.pop_back();
  std::string tail = path.size() >= 4 ? path.substr(path.size() - 4) : "";
  std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return std::tolower(c); });
  return tail == ".wav" ? path : path + ".wav";
}

}  // namespace

// The stereo flag also asks the sound, so a stale CurrChannel can never make the
// writer read twice the sample memory there is. An existing file is kept, as an
// earlier export, and reported; the writer alone would refuse it without a word.
// Anything else under the name (a folder, say) makes the export fail.
bool WriteVoiceWav(const TVoice& voice, const std::string& path) {
  if (!voice.Sound) return false;
  const std::string file = WrittenFile(path);
  if (FileType(file) == FILETYPE_FILE) {
    Print("skipped existing wavfile=" + file);
    return true;
  }
  const int stereo = voice.CurrChannel == 2 && voice.Sound->GetAudioSampleMono() == 2 ? 1 : 0;
  const int16_t* data = voice.SamplePtr ? voice.SamplePtr : voice.Sound->GetAudioSample();
  return SoundIOSaveSamplerWav(path, voice.strAlias, voice.VoiceType == kLooped ? 1 : 0, voice.LoopStart,
                               voice.LoopEnd, stereo, voice.SoundLength(), data) == 1;
}
