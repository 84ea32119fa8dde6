#pragma once
// A private Xvfb display for one test, with small helpers around xdotool,
// xwininfo and ImageMagick's import.

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

class XServer {
public:
    XServer(int breite, int höhe);
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    bool läuft() const { return nummer_ >= 0; }
    QString display() const { return QStringLiteral(":%1").arg(nummer_); }
    // Environment for a program on this display with Qt's xcb platform.
    QProcessEnvironment umgebung() const;

    // Id of the first visible window whose name matches, or empty after 60 s.
    QString warteAufFenster(const QString& namensmuster) const;

    struct Info {
        int x = -1, y = -1, breite = 0, höhe = 0;
        QString zustand;
    };
    Info fensterInfo(const QString& fenster) const;
    QString fenstername(const QString& fenster) const;
    bool bildschirmfoto(const QString& datei) const;
    // A left click at (x, y) relative to the window.
    void klicke(const QString& fenster, int x, int y) const;
    // Runs a command on this display and returns its standard output.
    QString aufruf(const QString& programm, const QStringList& argumente) const;

private:
    QProcess xvfb_;
    int nummer_ = -1;
};
