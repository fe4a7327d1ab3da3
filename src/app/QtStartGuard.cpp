#include "QtStartGuard.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <unistd.h>

namespace nf {
namespace {

std::string& failureLine() {
    static std::string line;
    return line;
}

QtMessageHandler previousHandler = nullptr;

// What Qt and its plugins say on the way (a missing plugin, a display that does not answer)
// is for the failure's one line, or does not matter once the start has succeeded.
void duringStart(QtMsgType type, const QMessageLogContext&, const QString&) {
    if (type == QtFatalMsg) {
        const std::string& line = failureLine();
        std::fprintf(stderr, "%s\n", line.c_str());
        std::fflush(stderr);
        _exit(2);
    }
}

} // namespace

QtStartGuard::QtStartGuard(const std::string& platform, const std::string& failure) {
    failureLine() = failure;
    previousHandler = qInstallMessageHandler(duringStart);
    if (!platform.empty()) {
        qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(platform));
        platformSet_ = true;
    }
}

QtStartGuard::~QtStartGuard() {
    if (platformSet_)
        qunsetenv("QT_QPA_PLATFORM"); // set only where the environment had none
    qInstallMessageHandler(previousHandler);
}

} // namespace nf
