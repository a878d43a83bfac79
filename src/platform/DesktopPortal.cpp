// The portal request: call PickColor with a handle token, then wait for the Response signal on
// the request object it names, or give up after the timeout.
#include "platform/DesktopPortal.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QEventLoop>
#include <QObject>
#include <QRandomGenerator>
#include <QTimer>
#include <QVariantMap>
#include <algorithm>
#include <cmath>
#include <functional>

namespace tintor {

namespace {

constexpr const char* PortalPath = "/org/freedesktop/portal/desktop";
constexpr const char* ScreenshotInterface = "org.freedesktop.portal.Screenshot";
constexpr const char* RequestInterface = "org.freedesktop.portal.Request";

// Receives the Response signal of one request.
class ResponseReceiver : public QObject {
    Q_OBJECT
public:
    std::function<void(uint, const QVariantMap&)> onResponse;

public slots:
    void Response(uint response, const QVariantMap& results) {
        if (onResponse) onResponse(response, results);
    }
};

PortalAnswer Failure(const char* reason) {
    return {PortalAnswer::Failed, 0, QString::fromUtf8(reason)};
}

// The "color" result: a (ddd) structure inside the variant.
bool ReadColor(const QVariantMap& results, TColor& color) {
    const QVariant value = results.value(QStringLiteral("color"));
    if (!value.canConvert<QDBusArgument>()) return false;
    const QDBusArgument argument = value.value<QDBusArgument>();
    if (argument.currentSignature() != QLatin1String("(ddd)")) return false;
    double red = 0, green = 0, blue = 0;
    argument.beginStructure();
    argument >> red >> green >> blue;
    argument.endStructure();
    color = PortalFractionsToColor(red, green, blue);
    return true;
}

// The object path the portal uses for a request made by this connection with this token.
QString RequestPath(const QDBusConnection& bus, const QString& token) {
    QString sender = bus.baseService();
    sender.remove(0, sender.startsWith(':') ? 1 : 0);
    sender.replace('.', '_');
    return QStringLiteral("%1/request/%2/%3").arg(QLatin1String(PortalPath), sender, token);
}

PortalAnswer Ask(QDBusConnection bus, const PortalOptions& options) {
    if (!bus.isConnected()) return Failure("セッションバスに接続できません");

    const QString token =
        QStringLiteral("tintor%1").arg(QRandomGenerator::global()->generate() & 0x7FFFFFFF);
    QString requestPath = RequestPath(bus, token);

    QEventLoop loop;
    PortalAnswer answer = Failure("デスクトップポータルから応答がありません");
    bool done = false;
    auto finish = [&](PortalAnswer result) {
        if (done) return;
        done = true;
        answer = std::move(result);
        loop.quit();
    };

    ResponseReceiver receiver;
    receiver.onResponse = [&](uint response, const QVariantMap& results) {
        if (response == 1) return finish({PortalAnswer::Cancelled, 0, {}});
        if (response != 0) return finish(Failure("デスクトップポータルが色の取得を拒否しました"));
        TColor color = 0;
        if (!ReadColor(results, color))
            return finish(Failure("デスクトップポータルの応答に色がありません"));
        finish({PortalAnswer::Picked, color, {}});
    };
    // Listen before asking, so an answer that comes at once is not missed.
    auto listen = [&](const QString& path) {
        return bus.connect(QString(), path, QLatin1String(RequestInterface),
                           QStringLiteral("Response"), &receiver,
                           SLOT(Response(uint, QVariantMap)));
    };
    listen(requestPath);

    QDBusMessage call = QDBusMessage::createMethodCall(options.service, QLatin1String(PortalPath),
                                                       QLatin1String(ScreenshotInterface),
                                                       QStringLiteral("PickColor"));
    QVariantMap callOptions;
    callOptions.insert(QStringLiteral("handle_token"), token);
    call << options.parentWindow << callOptions;
    QDBusPendingCallWatcher watcher(bus.asyncCall(call, options.timeoutMs));
    QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, [&] {
        const QDBusPendingReply<QDBusObjectPath> reply = watcher;
        if (reply.isError())
            return finish(Failure("デスクトップポータルの色の取得機能が使えません"));
        // Older portals name the request object themselves.
        const QString path = reply.value().path();
        if (path != requestPath) {
            bus.disconnect(QString(), requestPath, QLatin1String(RequestInterface),
                           QStringLiteral("Response"), &receiver,
                           SLOT(Response(uint, QVariantMap)));
            requestPath = path;
            listen(requestPath);
        }
    });

    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop,
                     [&] { finish(Failure("デスクトップポータルから応答がありません")); });
    timeout.start(options.timeoutMs);

    if (!done) loop.exec();
    bus.disconnect(QString(), requestPath, QLatin1String(RequestInterface),
                   QStringLiteral("Response"), &receiver, SLOT(Response(uint, QVariantMap)));
    return answer;
}

} // namespace

TColor PortalFractionsToColor(double red, double green, double blue) {
    auto byte = [](double fraction) {
        if (!(fraction > 0)) return 0; // also NaN
        return static_cast<int>(std::lround(std::min(fraction, 1.0) * 255.0));
    };
    return static_cast<TColor>(byte(red) | byte(green) << 8 | byte(blue) << 16);
}

PortalAnswer PickColorThroughPortal(const PortalOptions& options) {
    if (options.busAddress.isEmpty()) return Ask(QDBusConnection::sessionBus(), options);

    const QString name =
        QStringLiteral("tintor-portal-%1").arg(QRandomGenerator::global()->generate());
    PortalAnswer answer = Ask(QDBusConnection::connectToBus(options.busAddress, name), options);
    QDBusConnection::disconnectFromBus(name);
    return answer;
}

} // namespace tintor

#include "DesktopPortal.moc"
