#pragma once

#include <QString>

namespace nf {

// Hands a file or a web address to the desktop's "open" action, without waiting for it and
// without reporting a failure.
class DocumentOpener {
public:
    virtual ~DocumentOpener() = default;
    // target: an absolute file path, or an address such as "https://…"
    virtual void open(const QString& target) = 0;
};

class DesktopOpener : public DocumentOpener {
public:
    void open(const QString& target) override;
};

} // namespace nf
