#pragma once

#include <QByteArray>

namespace nf::assets {

// The printable rules, as a Rich Text document that word processors open.
QByteArray rulesDocument();

} // namespace nf::assets
