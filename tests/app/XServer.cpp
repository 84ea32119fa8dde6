#include "XServer.h"

#include <QRegularExpression>

XServer::XServer(int breite, int höhe) {
    // Xvfb picks a free display itself and names it on its standard output
    // once it accepts connections: tests running side by side never collide.
    // It must not reset when its last client leaves: a client connecting
    // meanwhile is dropped.
    const QString größe = QStringLiteral("%1x%2x24").arg(breite).arg(höhe);
    xvfb_.start("Xvfb", {"-displayfd", "1", "-screen", "0", größe, "-nolisten", "tcp", "-noreset"});
    if (xvfb_.waitForReadyRead(30000)) {
        display_ = QLatin1Char(':') + QString::fromLatin1(xvfb_.readAllStandardOutput().trimmed());
    }
}

QProcessEnvironment XServer::umgebung() const {
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert("DISPLAY", display_);
    umgebung.insert("QT_QPA_PLATFORM", "xcb");
    return umgebung;
}

QString XServer::aufruf(const QString& programm, const QStringList& argumente) const {
    QProcess p;
    p.setProcessEnvironment(umgebung());
    p.start(programm, argumente);
    p.waitForFinished(30000);
    return QString::fromLatin1(p.readAllStandardOutput());
}

QString XServer::fenster(qint64 prozess, const QString& titel) const {
    return aufruf("xdotool", {"search", "--all", "--sync", "--onlyvisible", "--pid",
                              QString::number(prozess), "--name", titel})
        .section('\n', 0, 0);
}

QImage XServer::bild(const QString& fenster) const {
    return QImage::fromData(aufruf("import", {"-silent", "-window", fenster, "png:-"}).toLatin1());
}

QRect XServer::lage(const QString& fenster) const {
    const auto z = QRegularExpression("X=(-?\\d+)\\s+Y=(-?\\d+)\\s+WIDTH=(\\d+)\\s+HEIGHT=(\\d+)")
                       .match(aufruf("xdotool", {"getwindowgeometry", "--shell", fenster}));
    return {z.captured(1).toInt(), z.captured(2).toInt(), z.captured(3).toInt(),
            z.captured(4).toInt()};
}

void XServer::klicke(const QString& fenster, QPoint innen) const {
    aufruf("xdotool", {"mousemove", "--window", fenster, QString::number(innen.x()),
                       QString::number(innen.y()), "click", "1"});
}
