#include "mainwindow/TFormMain.h"
#include "mainwindow/TMessagePrompt.h"
#include "session/TFreeRDPClient.h"
#include "support/TQVAppInfo.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velmora"));
    TFreeRDPClient::WarmUp();
    const TQVAppInfo appInfo(QCoreApplication::applicationFilePath());
    TMessagePrompt prompt;
    TFormMain window(appInfo, prompt);
    prompt.SetParent(&window);
    window.show();
    return QApplication::exec();
}
