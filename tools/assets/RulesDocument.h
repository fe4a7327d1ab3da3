#pragma once

#include <QByteArray>

class QTranslator;

namespace nf::assets {

// The printable rules, as a Rich Text document that word processors open: in English, or in
// the language of the translator given.
QByteArray rulesDocument(const QTranslator* translator = nullptr);

} // namespace nf::assets
