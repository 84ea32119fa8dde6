#pragma once
// A private Xvfb display for one test (or an X server already running), and
// the X tools that look at it.

#include <QImage>
#include <QProcess>

class XServer {
public:
    XServer(int breite, int höhe);
    // An X server that is already running, such as a compositor's XWayland.
    explicit XServer(const QString& display) : display_(display) {}
    // Should Xvfb not end within 5 s, QProcess kills it.
    ~XServer() {
        xvfb_.terminate();
        xvfb_.waitForFinished(5000);
    }
    bool läuft() const { return !display_.isEmpty(); }
    const QString& display() const { return display_; }
    // For a program on this display with Qt's xcb platform.
    QProcessEnvironment umgebung() const;
    // Standard output of a command run on this display.
    QString aufruf(const QString& programm, const QStringList& argumente) const;
    // The first visible window of a process with a title matching the
    // pattern; waits for it up to 30 s (empty: none came).
    QString fenster(qint64 prozess, const QString& titel) const;
    QImage bild(const QString& fenster) const;
    QRect lage(const QString& fenster) const; // on the screen
    void klicke(const QString& fenster, QPoint innen) const;

private:
    QProcess xvfb_;
    QString display_;
};
