#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace nf::assets {

constexpr int kSampleRate = 22050;

// 16-bit mono PCM in a RIFF WAVE file, scaled so that the loudest sample reaches `peak`
// of full scale (below 1, so nothing clips).
QByteArray encodeWav(const std::vector<float>& samples, float peak);

struct DecodedWav {
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0;
    std::vector<qint16> samples;
};

// Reads back a 16-bit PCM WAVE file; nothing when it is not one.
std::optional<DecodedWav> decodeWav(const QByteArray& bytes);

} // namespace nf::assets
