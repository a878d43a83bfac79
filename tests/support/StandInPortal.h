// A private session bus (its own dbus-daemon with a temporary configuration) and a stand-in
// for the desktop portal's colour picker on it, answering PickColor as the test tells it.
#pragma once

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QVariantMap>
#include <gtest/gtest.h>

struct PortalRgb {
    double red = 0, green = 0, blue = 0;
};
Q_DECLARE_METATYPE(PortalRgb)

inline QDBusArgument& operator<<(QDBusArgument& argument, const PortalRgb& rgb) {
    argument.beginStructure();
    argument << rgb.red << rgb.green << rgb.blue;
    argument.endStructure();
    return argument;
}
inline const QDBusArgument& operator>>(const QDBusArgument& argument, PortalRgb& rgb) {
    argument.beginStructure();
    argument >> rgb.red >> rgb.green >> rgb.blue;
    argument.endStructure();
    return argument;
}

namespace tintor::test {

// dbus-daemon on a socket in a temporary directory, ended with the object.
class PrivateBus {
public:
    PrivateBus() {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (program.isEmpty()) {
            ADD_FAILURE() << "dbus-daemon is not installed (scripts/install-deps.sh)";
            return;
        }
        const QString config = dir_.filePath(QStringLiteral("bus.conf"));
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly)) return;
        file.write(
            QStringLiteral(
                "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration "
                "1.0//EN\" \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                "<busconfig><type>session</type><listen>unix:path=%1</listen>"
                "<auth>EXTERNAL</auth><policy context=\"default\">"
                "<allow send_destination=\"*\" eavesdrop=\"true\"/><allow eavesdrop=\"true\"/>"
                "<allow own=\"*\"/></policy></busconfig>\n")
                .arg(dir_.filePath(QStringLiteral("bus")))
                .toUtf8());
        file.close();
        daemon_.start(program, {QStringLiteral("--config-file=") + config,
                                QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
        if (!daemon_.waitForStarted(5000) || !daemon_.waitForReadyRead(5000)) {
            ADD_FAILURE() << "dbus-daemon did not start: " << daemon_.readAllStandardError().data();
            return;
        }
        address = QString::fromUtf8(daemon_.readLine()).trimmed();
    }
    ~PrivateBus() {
        daemon_.kill();
        daemon_.waitForFinished(5000);
    }
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    QString address;

private:
    QTemporaryDir dir_;
    QProcess daemon_;
};

// The portal's Screenshot object; PickColor answers as `mode` says.
class StandInPortal : public QDBusVirtualObject {
public:
    enum Mode {
        Pick,       // response 0 with `rgb`
        Cancel,     // response 1
        Refuse,     // response 2
        ErrorReply, // a D-Bus error instead of a request
        Silent,     // a request, never answered
        NoColour,   // response 0 without a colour
        OwnPath,    // answers on a request path of its own choosing, a little later
    };
    Mode mode = Pick;
    PortalRgb rgb;
    QString lastParentWindow;
    QVariantMap lastOptions;

    // Connects to the bus and takes the portal's name there.
    bool Serve(const QString& address,
               const QString& service = QStringLiteral("org.freedesktop.portal.Desktop")) {
        qDBusRegisterMetaType<PortalRgb>();
        bus_ = QDBusConnection::connectToBus(address, QStringLiteral("stand-in-portal"));
        return bus_.isConnected() && bus_.registerService(service) &&
               bus_.registerVirtualObject(QStringLiteral("/org/freedesktop/portal/desktop"), this);
    }
    ~StandInPortal() override {
        bus_.unregisterObject(QStringLiteral("/org/freedesktop/portal/desktop"));
        QDBusConnection::disconnectFromBus(QStringLiteral("stand-in-portal"));
    }

    QString introspect(const QString&) const override {
        return QStringLiteral("<interface name=\"org.freedesktop.portal.Screenshot\">"
                              "<method name=\"PickColor\"><arg type=\"s\" direction=\"in\"/>"
                              "<arg type=\"a{sv}\" direction=\"in\"/>"
                              "<arg type=\"o\" direction=\"out\"/></method></interface>");
    }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.member() != QLatin1String("PickColor")) return false;
        const QList<QVariant> args = message.arguments();
        lastParentWindow = args.value(0).toString();
        const QVariant options = args.value(1);
        lastOptions = options.canConvert<QDBusArgument>()
                          ? qdbus_cast<QVariantMap>(options.value<QDBusArgument>())
                          : options.toMap();
        if (mode == ErrorReply) {
            connection.send(message.createErrorReply(
                QStringLiteral("org.freedesktop.portal.Error.NotAllowed"), QStringLiteral("no")));
            return true;
        }
        QString sender = message.service().mid(1);
        sender.replace('.', '_');
        const QString path =
            mode == OwnPath
                ? QStringLiteral("/org/freedesktop/portal/desktop/request/own/r1")
                : QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
                      .arg(sender, lastOptions.value(QStringLiteral("handle_token")).toString());
        connection.send(message.createReply(QVariant::fromValue(QDBusObjectPath(path))));
        if (mode == Silent) return true;

        uint response = 0;
        QVariantMap results;
        if (mode == Cancel) response = 1;
        if (mode == Refuse) response = 2;
        if (mode == Pick || mode == OwnPath)
            results.insert(QStringLiteral("color"), QVariant::fromValue(rgb));
        QDBusMessage signal = QDBusMessage::createSignal(
            path, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
        signal << response << results;
        QDBusConnection bus = connection;
        QTimer::singleShot(mode == OwnPath ? 200 : 0, [bus, signal] { bus.send(signal); });
        return true;
    }

private:
    QDBusConnection bus_{QString()};
};

} // namespace tintor::test
