#include "XServer.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QRegularExpression>
#include <QThread>
#include <poll.h>
#include <unistd.h>

XServer::XServer(int breite, int höhe) {
    // Xvfb picks a free display itself and writes its number into a pipe once
    // it accepts connections: tests running side by side never collide.
    int rohr[2];
    if (pipe(rohr) != 0) {
        return;
    }
    xvfb_.start(QStringLiteral("Xvfb"),
                {QStringLiteral("-displayfd"), QString::number(rohr[1]), QStringLiteral("-screen"),
                 QStringLiteral("0"), QStringLiteral("%1x%2x24").arg(breite).arg(höhe),
                 QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    close(rohr[1]);
    if (xvfb_.waitForStarted(5000)) {
        QByteArray zeile;
        pollfd warte{rohr[0], POLLIN, 0};
        const QDeadlineTimer frist(30000);
        while (!zeile.contains('\n') && !frist.hasExpired() &&
               poll(&warte, 1, static_cast<int>(frist.remainingTime())) > 0) {
            char puffer[32];
            const ssize_t gelesen = read(rohr[0], puffer, sizeof puffer);
            if (gelesen <= 0) {
                break;
            }
            zeile.append(puffer, gelesen);
        }
        bool ok = false;
        const int nummer = zeile.trimmed().toInt(&ok);
        if (ok) {
            nummer_ = nummer;
        }
    }
    close(rohr[0]);
}

XServer::~XServer() {
    if (xvfb_.state() != QProcess::NotRunning) {
        xvfb_.terminate();
        if (!xvfb_.waitForFinished(5000)) {
            xvfb_.kill();
            xvfb_.waitForFinished();
        }
    }
}

QProcessEnvironment XServer::umgebung() const {
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("DISPLAY"), display());
    umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    umgebung.remove(QStringLiteral("QT_SCALE_FACTOR"));
    return umgebung;
}

QString XServer::aufruf(const QString& programm, const QStringList& argumente) const {
    QProcess p;
    p.setProcessEnvironment(umgebung());
    p.start(programm, argumente);
    if (!p.waitForFinished(15000)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

QString XServer::warteAufFenster(const QString& namensmuster) const {
    const QDeadlineTimer frist(60000);
    while (!frist.hasExpired()) {
        const QString ids = aufruf(QStringLiteral("xdotool"),
                                   {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                    QStringLiteral("--name"), namensmuster})
                                .trimmed();
        if (!ids.isEmpty()) {
            return ids.split(QLatin1Char('\n')).first().trimmed();
        }
        QThread::msleep(50);
    }
    return {};
}

XServer::Info XServer::fensterInfo(const QString& fenster) const {
    const QString text = aufruf(QStringLiteral("xwininfo"), {QStringLiteral("-id"), fenster});
    Info info;
    const auto zahl = [&](const char* name) {
        const QRegularExpression muster(QStringLiteral("%1:\\s*(-?\\d+)").arg(QLatin1String(name)));
        const auto treffer = muster.match(text);
        return treffer.hasMatch() ? treffer.captured(1).toInt() : -1;
    };
    info.x = zahl("Absolute upper-left X");
    info.y = zahl("Absolute upper-left Y");
    info.breite = zahl("Width");
    info.höhe = zahl("Height");
    const auto zustand = QRegularExpression(QStringLiteral("Map State:\\s*(\\w+)")).match(text);
    info.zustand = zustand.hasMatch() ? zustand.captured(1) : QString();
    return info;
}

QString XServer::fenstername(const QString& fenster) const {
    return aufruf(QStringLiteral("xdotool"), {QStringLiteral("getwindowname"), fenster}).trimmed();
}

bool XServer::bildschirmfoto(const QString& datei) const {
    aufruf(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), datei});
    return QFile::exists(datei);
}

void XServer::klicke(const QString& fenster, int x, int y) const {
    aufruf(QStringLiteral("xdotool"),
           {QStringLiteral("mousemove"), QStringLiteral("--window"), fenster, QString::number(x),
            QString::number(y), QStringLiteral("click"), QStringLiteral("1")});
}
