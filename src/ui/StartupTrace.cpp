#include "ui/StartupTrace.h"

#include <QDateTime>
#include <QEvent>
#include <QLoggingCategory>

namespace kelvra {

namespace {

Q_LOGGING_CATEGORY(startupPhases, "kelvra.startup", QtInfoMsg)

QString Shown(bool result) {
    return result ? QStringLiteral("true") : QStringLiteral("false");
}

QString Shown(const std::string& result) {
    return QString::fromStdString(result);
}

// Runs CALL between two traced lines named after PHASE, the second with its result.
template <class Call>
auto Traced(const char* phase, Call call) {
    qCDebug(startupPhases, "%lld %s begins", QDateTime::currentMSecsSinceEpoch(), phase);
    auto result = call();
    qCDebug(startupPhases, "%lld %s ends: %s", QDateTime::currentMSecsSinceEpoch(), phase,
            qPrintable(Shown(result)));
    return result;
}

} // namespace

void TraceStartup(const char* phase) {
    qCDebug(startupPhases, "%lld %s", QDateTime::currentMSecsSinceEpoch(), phase);
}

bool TracedHostNetwork::localIp(std::string& text) {
    return Traced("local address", [&] { return inner_.localIp(text); });
}

std::string TracedHostNetwork::localIpText() {
    return Traced("local address text", [&] { return inner_.localIpText(); });
}

bool TracedHostNetwork::ping(const std::string& text) {
    return Traced("echo", [&] { return inner_.ping(text); });
}

bool TracedHostNetwork::hardwareAddressKnown(const std::string& text) {
    return Traced("neighbour table", [&] { return inner_.hardwareAddressKnown(text); });
}

bool FirstPaintTrace::eventFilter(QObject* watched, QEvent* event) {
    if (!painted_ && event->type() == QEvent::Paint) {
        painted_ = true;
        TraceStartup("first paint");
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kelvra
