#include "QtStartGuard.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace nf {
namespace {

std::string& failureLine() {
    static std::string line;
    return line;
}

QtMessageHandler previousHandler = nullptr;

void duringStart(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        const std::string& line = failureLine();
        std::fprintf(stderr, "%s\n", line.c_str());
        std::fflush(stderr);
        _exit(2);
    }
    if (context.category && std::strncmp(context.category, "qt.qpa", 6) == 0)
        return;
    if (previousHandler)
        previousHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
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
