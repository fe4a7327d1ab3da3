#include "Wav.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace nf::assets {
namespace {

void put32(QByteArray& out, quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

void put16(QByteArray& out, quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

quint32 get32(const QByteArray& in, int at) {
    return qFromLittleEndian<quint32>(in.constData() + at);
}
quint16 get16(const QByteArray& in, int at) {
    return qFromLittleEndian<quint16>(in.constData() + at);
}

} // namespace

QByteArray encodeWav(const std::vector<float>& samples, float peak) {
    float loudest = 0;
    for (float s : samples)
        loudest = std::max(loudest, std::fabs(s));
    const float scale = loudest > 0 ? peak * 32767.0f / loudest : 0.0f;
    const auto dataBytes = static_cast<quint32>(samples.size() * 2);
    QByteArray out;
    out.append("RIFF");
    put32(out, 36 + dataBytes);
    out.append("WAVEfmt ");
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, kSampleRate);
    put32(out, kSampleRate * 2);
    put16(out, 2);
    put16(out, 16);
    out.append("data");
    put32(out, dataBytes);
    for (float s : samples)
        put16(out, static_cast<quint16>(static_cast<qint16>(std::lround(s * scale))));
    return out;
}

std::optional<DecodedWav> decodeWav(const QByteArray& bytes) {
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::nullopt;
    DecodedWav wav;
    bool haveFormat = false;
    for (int at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = get32(bytes, at + 4);
        const int body = at + 8;
        if (size > static_cast<quint32>(bytes.size() - body))
            return std::nullopt;
        if (id == "fmt " && size >= 16) {
            haveFormat = get16(bytes, body) == 1;
            wav.channels = get16(bytes, body + 2);
            wav.sampleRate = static_cast<int>(get32(bytes, body + 4));
            wav.bitsPerSample = get16(bytes, body + 14);
        } else if (id == "data" && haveFormat && wav.bitsPerSample == 16) {
            wav.samples.resize(size / 2);
            for (quint32 i = 0; i < size / 2; ++i)
                wav.samples[i] = static_cast<qint16>(get16(bytes, body + static_cast<int>(2 * i)));
            return wav;
        }
        at = body + static_cast<int>(size + (size & 1));
    }
    return std::nullopt;
}

} // namespace nf::assets
