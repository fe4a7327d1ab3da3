#pragma once

#include <QString>
#include <QStringList>

namespace nf::assets {

// Writes every data file of the game into the folder; returns the files it failed to write.
QStringList generateAll(const QString& folder);

} // namespace nf::assets
