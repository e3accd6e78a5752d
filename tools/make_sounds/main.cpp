// Writes the game's two sounds, Win.SON and CRASH1.SON, into assets/sounds/:
// 16-bit mono PCM WAV files at 22050 Hz. Standard C++ only; the noise comes
// from a fixed-seed generator, so every run writes the same bytes.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int Rate = 22050;
constexpr double Tau = 2 * std::numbers::pi;

using Samples = std::vector<double>;  // -1 .. 1

void put16(std::ofstream& out, std::uint16_t v)
{
    out.put(static_cast<char>(v & 0xFF));
    out.put(static_cast<char>(v >> 8));
}

void put32(std::ofstream& out, std::uint32_t v)
{
    put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

bool writeWave(const std::string& path, const Samples& samples)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16);        // PCM header size
    put16(out, 1);         // PCM
    put16(out, 1);         // mono
    put32(out, Rate);      // samples per second
    put32(out, Rate * 2);  // bytes per second
    put16(out, 2);         // bytes per frame
    put16(out, 16);        // bits per sample
    out.write("data", 4);
    put32(out, dataBytes);
    for (double s : samples) {
        const long v = std::lround(std::clamp(s, -1.0, 1.0) * 32767.0);
        put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(v)));
    }
    return static_cast<bool>(out);
}

// Scales the loudest sample to `peak` and fades the last few milliseconds,
// so that no sound ends on a click.
void finish(Samples& s, double peak)
{
    double loudest = 0;
    for (double v : s)
        loudest = std::max(loudest, std::abs(v));
    if (loudest > 0)
        for (double& v : s)
            v *= peak / loudest;
    const std::size_t fade = std::min<std::size_t>(s.size(), Rate / 200);
    for (std::size_t i = 0; i < fade; ++i)
        s[s.size() - 1 - i] *= double(i) / double(fade);
}

// A bell-like note: a sine with two soft overtones, a quick attack and an
// exponential decay.
void addNote(Samples& s, double start, double frequency, double length, double decay)
{
    const auto first = static_cast<std::size_t>(start * Rate);
    const auto count = static_cast<std::size_t>(length * Rate);
    if (s.size() < first + count)
        s.resize(first + count, 0.0);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = double(i) / Rate;
        const double attack = std::min(1.0, t / 0.004);
        const double envelope = attack * std::exp(-t * decay);
        const double wave = std::sin(Tau * frequency * t) + 0.35 * std::sin(Tau * 2 * frequency * t) +
            0.12 * std::sin(Tau * 3 * frequency * t);
        s[first + i] += envelope * wave;
    }
}

// A rising major arpeggio, C6 E6 G6 and a held C7: short enough that the
// next start of the sound, 300 ms later, rarely cuts much of it.
Samples winSound()
{
    Samples s;
    const double notes[] = {1046.5, 1318.5, 1568.0};
    for (int i = 0; i < 3; ++i)
        addNote(s, 0.055 * i, notes[i], 0.12, 18.0);
    addNote(s, 0.165, 2093.0, 0.16, 14.0);
    addNote(s, 0.165, 1046.5, 0.16, 14.0);
    finish(s, 0.7);
    return s;
}

// A crash: a low thud falling in pitch under a burst of filtered noise that
// dies away, with a little rattle.
Samples crashSound()
{
    const auto count = static_cast<std::size_t>(0.45 * Rate);
    Samples s(count, 0.0);
    std::uint32_t seed = 0x1234567u;
    auto noise = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return double(seed >> 8) / double(1u << 24) * 2.0 - 1.0;
    };
    double phase = 0, low = 0, band = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = double(i) / Rate;
        const double pitch = 40.0 + 110.0 * std::exp(-t * 18.0);
        phase += Tau * pitch / Rate;
        const double thud = std::sin(phase) * std::exp(-t * 9.0);
        // Two one-pole filters take the hiss off the noise.
        low += 0.25 * (noise() - low);
        band += 0.5 * (low - band);
        const double burst = band * std::exp(-t * 11.0);
        const double rattle = (std::fmod(t, 0.045) < 0.012 ? 1.0 : 0.35) * band * std::exp(-t * 6.0) * 0.5;
        s[i] = 0.9 * thud + 1.6 * burst + rattle;
    }
    finish(s, 0.75);
    return s;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string folder = argc > 1 ? argv[1] : DEFAULT_OUTPUT_DIR;
    const struct {
        const char* name;
        Samples samples;
    } sounds[] = {{"Win.SON", winSound()}, {"CRASH1.SON", crashSound()}};
    for (const auto& sound : sounds) {
        const std::string path = folder + "/" + sound.name;
        if (!writeWave(path, sound.samples)) {
            std::fprintf(stderr, "make_sounds: cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%s  %.0f ms\n", path.c_str(), 1000.0 * double(sound.samples.size()) / Rate);
    }
    return 0;
}
