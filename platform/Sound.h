#pragma once
#include <QString>

namespace vornel {

// Plays the wave file at `path` without waiting; a new sound cuts the one
// playing. A missing, unreadable or non-wave file, or a machine without a
// sound device, changes nothing and says nothing.
void PlaySound(const QString& path);

// A regular file of sane size that starts as a RIFF/WAVE file does: the only
// files the sound service is given.
bool isWaveFile(const QString& path);

}  // namespace vornel
