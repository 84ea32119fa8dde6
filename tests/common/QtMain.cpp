// main() of the test programs that need widgets: one QApplication for all tests.
#include "ui/Steuerelemente.h"

#include <QApplication>
#include <gmock/gmock.h>

namespace {
// The offscreen platform complains about every fixed-size window; that
// warning says nothing about the program.
void nachricht(QtMsgType art, const QMessageLogContext& kontext, const QString& text) {
    if (text.contains(QLatin1String("propagateSizeHints"))) {
        return;
    }
    qt_message_output(art, kontext, text);
}
} // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(nachricht);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ui::richteAussehenEin(); // as the program's start-up does
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
