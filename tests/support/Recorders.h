#pragma once

#include "platform/DocumentOpener.h"
#include "platform/SoundPlayer.h"

#include <QFileInfo>
#include <QStringList>

namespace nf::test {

// The sounds and documents the game asks for, by file name.
struct RecordingSound : SoundPlayer {
    QStringList played;
    bool play(const QString& path) override {
        played << QFileInfo(path).fileName();
        return true;
    }
};

struct RecordingOpener : DocumentOpener {
    QStringList opened;
    void open(const QString& target) override { opened << target; }
};

} // namespace nf::test
