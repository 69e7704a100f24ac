// quillan-chime-maker FILE: writes Quillan's own connect sound, a short three-note chime, as a
// 16-bit mono PCM .wav file.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;

// One struck bell-like note: a few inharmonic partials, each dying away at its own pace.
void strike(std::vector<double>& samples, double start, double frequency, double loudness) {
    struct Partial {
        double ratio, level, decay;
    };
    const Partial partials[] = {{1.0, 1.0, 2.2}, {2.76, 0.45, 4.0}, {5.40, 0.25, 6.5}, {8.93, 0.12, 9.0}};
    const auto first = static_cast<size_t>(start * kRate);
    for (size_t i = first; i < samples.size(); ++i) {
        const double t = static_cast<double>(i - first) / kRate;
        // A few milliseconds of attack keep the strike from clicking.
        const double attack = std::min(1.0, t / 0.004);
        double value = 0;
        for (const Partial& p : partials)
            value += p.level * std::exp(-p.decay * t) * std::sin(2 * kPi * frequency * p.ratio * t);
        samples[i] += loudness * attack * value;
    }
}

void put16(std::ofstream& out, std::uint16_t v) {
    out.put(static_cast<char>(v & 0xff)).put(static_cast<char>(v >> 8));
}
void put32(std::ofstream& out, std::uint32_t v) {
    put16(out, static_cast<std::uint16_t>(v & 0xffff));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: quillan-chime-maker FILE\n");
        return 2;
    }
    std::vector<double> samples(static_cast<size_t>(kRate * 1.8), 0.0);
    // E6, C6, G5: a falling major chime.
    strike(samples, 0.00, 1318.51, 0.30);
    strike(samples, 0.25, 1046.50, 0.30);
    strike(samples, 0.50, 783.99, 0.34);
    // The last tenth of a second fades to silence.
    const size_t fade = kRate / 10;
    for (size_t i = 0; i < fade; ++i)
        samples[samples.size() - 1 - i] *= static_cast<double>(i) / fade;

    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, kRate);
    put32(out, kRate * 2);
    put16(out, 2);
    put16(out, 16);
    out.write("data", 4);
    put32(out, dataBytes);
    for (double s : samples) {
        const double clipped = std::max(-1.0, std::min(1.0, s));
        put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(clipped * 32767))));
    }
    out.close();
    if (!out) {
        std::fprintf(stderr, "quillan-chime-maker: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
