#include "../TestPrompt.h"
#include "core/TQVRDElementList.h"
#include "session/TElementSession.h"
#include "session/TFakeRdpClient.h"
#include "session/TFrameRDP.h"
#include "session/TMouseFlags.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

Q_DECLARE_METATYPE(TClientEvent)

namespace {
struct ElementEvent
{
    QString name;
    int value;
    QString text;
    friend bool operator==(const ElementEvent&, const ElementEvent&) = default;
};

char* toString(const ElementEvent& e)
{
    return QTest::toString(QStringLiteral("%1(%2, %3)").arg(e.name).arg(e.value).arg(e.text));
}

/// One element with its session on a tab, a fake client behind it, and every element event recorded.
struct Fixture
{
    explicit Fixture(bool clientAvailable = true)
    {
        auto record = std::make_unique<TRDPFile>(QStringLiteral("/c/web.rdp"));
        record->FullAddress = QStringLiteral("srv01");
        element = list.Add(std::move(record));
        auto s = std::make_unique<TElementSession>(
            *element,
            [this, clientAvailable](QObject*) -> TMsRdpClient5* {
                if (!clientAvailable)
                    return nullptr;
                client = new TFakeRdpClient;
                return client;
            },
            &prompt);
        session = s.get();
        element->AttachSession(std::move(s));
        session->OnEvent = [this](TQVRDElement* e, const QString& name, int value, const QString& text) {
            Q_ASSERT(e == element);
            events.append({name, value, text});
        };
        tab = new QWidget;
        session->ReportClientMissing = true;
        session->SetTabSheet(tab);
    }

    TQVRDElementList list;
    TQVRDElement* element = nullptr;
    TElementSession* session = nullptr;
    TFakeRdpClient* client = nullptr;
    QWidget* tab = nullptr;
    TestPrompt prompt;
    QList<ElementEvent> events;
};

void sendKey(QWidget* target, QEvent::Type type, int key, quint32 keycode, Qt::KeyboardModifiers modifiers = {})
{
    QKeyEvent event(type, key, modifiers, keycode, 0, 0);
    QApplication::sendEvent(target, &event);
}
} // namespace

class TestElementSession : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void eventTable_data()
    {
        QTest::addColumn<int>("event");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("expectedValue");
        QTest::addColumn<QString>("name");
        using E = TClientEvent;
        QTest::newRow("fatal error keeps its code") << int(E::FatalError) << 7 << 7 << "FatalError";
        QTest::newRow("warning") << int(E::Warning) << 3 << 3 << "Warning";
        QTest::newRow("logon error has a blank") << int(E::LogonError) << -2 << -2 << "Logon Error";
        QTest::newRow("focus released") << int(E::FocusReleased) << 1 << 1 << "FocusReleased";
        QTest::newRow("reconnecting passes the reason")
            << int(E::AutoReconnecting) << 2308 << 2308 << "AutoReconnecting";
        QTest::newRow("enter has no number") << int(E::Enter) << 5 << -1 << "Enter";
        QTest::newRow("login complete") << int(E::LoginComplete) << -1 << -1 << "LoginComplete";
        QTest::newRow("full screen") << int(E::EnterFullScreenMode) << -1 << -1 << "EnterFullScreenMode";
    }
    void eventTable()
    {
        QFETCH(int, event);
        QFETCH(int, value);
        QFETCH(int, expectedValue);
        QFETCH(QString, name);
        Fixture f;
        f.client->Emit(TClientEvent(event), value, 1);
        QCOMPARE(f.events, (QList<ElementEvent>{{name, expectedValue, "web"}}));
        QVERIFY(!f.element->Connected && !f.element->Connecting);
    }

    void sessionLifecycle()
    {
        Fixture f;
        QCOMPARE(f.list.FindByTabSheet(f.tab), f.element);
        QCOMPARE(f.tab->windowTitle(), QStringLiteral("web"));
        f.client->Emit(TClientEvent::Connecting);
        QVERIFY(f.element->Connecting);
        f.client->Emit(TClientEvent::Connected);
        QVERIFY(f.element->Connected && !f.element->Connecting);
        QVERIFY(!f.element->ConnectTimeText.isEmpty());
        QVERIFY(f.element->LastUsed.secsTo(QDateTime::currentDateTime()) < 5);
        QCOMPARE(f.element->ImageIndex, 59);
        f.client->Emit(TClientEvent::Disconnected, 3);
        QVERIFY(!f.element->Connected && f.element->ConnectTimeText.isEmpty());
        QCOMPARE(f.element->ImageIndex, 0);
        QCOMPARE(f.events, (QList<ElementEvent>{{"Connecting", -1, "web"},
                                                {"SetImageIndex", 59, "SetImageIndex"},
                                                {"Connected", -1, "web"},
                                                {"Disconnected", 3, "web"},
                                                {"SetImageIndex", 0, "SetImageIndex"}}));
    }

    void noHandlerNoEventsButState()
    {
        Fixture f;
        f.session->OnEvent = nullptr;
        f.client->Emit(TClientEvent::Connected);
        QVERIFY(f.element->Connected);
        QCOMPARE(f.element->ImageIndex, 59);
        QVERIFY(f.events.isEmpty());
    }

    void sizeChangeReachesTheNextConnect()
    {
        Fixture f;
        f.client->Emit(TClientEvent::RemoteDesktopSizeChange, 1280, 1024);
        QCOMPARE(f.events.last(), (ElementEvent{"RemoteDesktopSizeChange", 1280, "web"}));
        QCOMPARE(f.element->RdpFile().DesktopWidth, 1280);
        QCOMPARE(f.element->RdpFile().DesktopHeight, 1024);
        f.session->ConnectSession();
        QCOMPARE(f.client->Settings().DesktopWidth, 1280);
        QCOMPARE(f.client->Settings().DesktopHeight, 1024);
    }

    void connectWritesTheValuesInOrder()
    {
        Fixture f;
        f.element->RdpFile().AlternateShell = QStringLiteral("top");
        f.element->RdpFile().Port = 3390;
        f.element->RdpFile().AuthenticationLevel = 2;
        f.session->ConnectSession();
        QList<TClientProperty> all;
        for (int i = 0; i < ClientPropertyCount; ++i)
            all.append(TClientProperty(i));
        QCOMPARE(f.client->PropertiesSet, all);
        QCOMPARE(f.client->ConnectCalls, 1);
        const TClientSettings& s = f.client->Settings();
        QCOMPARE(s.StartProgram, QStringLiteral("top"));
        QCOMPARE(s.Server, QStringLiteral("srv01"));
        QCOMPARE(s.RDPPort, 3390);
        QCOMPARE(s.AuthenticationLevel, 2u);
        QVERIFY(s.RedirectDrives && s.RedirectClipboard && s.EnableAutoReconnect && !s.RedirectPrinters);
    }

    void screenMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("fullScreen");
        QTest::newRow("windowed") << 1 << false;
        QTest::newRow("full screen") << 2 << true;
        QTest::newRow("unset") << 0 << false;
        QTest::newRow("other") << 3 << false;
    }
    void screenMode()
    {
        QFETCH(int, mode);
        QFETCH(bool, fullScreen);
        Fixture f;
        f.element->RdpFile().ScreenModeId = mode;
        f.session->ConnectSession();
        QCOMPARE(f.client->Settings().FullScreen, fullScreen);
    }

    void refusedValueStopsTheConnect_data()
    {
        QTest::addColumn<int>("refused");
        QTest::addColumn<int>("negativeAuthentication");
        QTest::newRow("negative authentication level") << -1 << 1;
        QTest::newRow("compression refused") << int(TClientProperty::Compress) << 0;
    }
    void refusedValueStopsTheConnect()
    {
        QFETCH(int, refused);
        QFETCH(int, negativeAuthentication);
        Fixture f;
        if (negativeAuthentication)
            f.element->RdpFile().AuthenticationLevel = -1;
        else
            f.client->RefuseProperty(TClientProperty(refused));
        f.session->ConnectSession();
        const TClientProperty last =
            negativeAuthentication ? TClientProperty::AuthenticationLevel : TClientProperty(refused);
        QCOMPARE(f.client->PropertiesSet.size(), int(last) + 1);
        QCOMPARE(f.client->PropertiesSet.last(), last);
        QCOMPARE(f.client->ConnectCalls, 0);
        QCOMPARE(f.prompt.messages, QStringList{"Error connect!"});
        QVERIFY(!f.element->Connecting);
    }

    void blinkAlternates()
    {
        Fixture f;
        QList<int> frames;
        for (int i = 0; i < 4; ++i) {
            f.session->BlinkTick();
            frames.append(f.element->ImageIndex);
        }
        QCOMPARE(frames, (QList<int>{2, 1, 2, 1}));
        QVERIFY(f.session->BlinkTimer.isActive());
        QCOMPARE(f.session->BlinkTimer.interval(), 500);
        QCOMPARE(f.events.first(), (ElementEvent{"SetImageIndex", 2, "SetImageIndex"}));
    }

    void missingClientIsReportedOnce()
    {
        Fixture f(false);
        QCOMPARE(f.prompt.messages.size(), 1);
        QVERIFY(
            f.prompt.messages[0].startsWith("Remote Desktop Connection (Terminal Services Client 6.0) not found!\r\r"
                                            "For more informations see "));
        QVERIFY(f.session->ClientMissing);
        QCOMPARE(f.session->FrameRDP(), nullptr);
        f.session->SetTabSheet(f.tab);
        QCOMPARE(f.prompt.messages.size(), 1);
        f.session->ConnectSession();
    }

    void framePaintsTheSessionPicture()
    {
        Fixture f;
        f.tab->resize(200, 100);
        f.tab->show();
        QImage picture(200, 100, QImage::Format_RGB32);
        picture.fill(QColor(0x33, 0x66, 0xcc));
        f.client->ShowFrame(picture);
        const QImage shown = f.session->FrameRDP()->grab().toImage();
        QCOMPARE(shown.pixel(50, 50) & 0xFFFFFF, QRgb(0x3366cc));
    }

    void keysAndMouseReachTheClient()
    {
        Fixture f;
        TFrameRDP* frame = f.session->FrameRDP();
        f.tab->resize(400, 300);
        f.tab->show();
        using I = TFakeRdpClient::Input;
        // X11 key codes: a = 38, Tab = 23, Shift_L = 50, Right Alt = 108.
        sendKey(frame, QEvent::KeyPress, Qt::Key_A, 38);
        sendKey(frame, QEvent::KeyRelease, Qt::Key_A, 38);
        sendKey(frame, QEvent::KeyPress, Qt::Key_Tab, 23);
        sendKey(frame, QEvent::KeyPress, Qt::Key_AltGr, 108);
        QCOMPARE(f.client->Inputs,
                 (QList<I>{{I::Key, 0x1E, 0, 1}, {I::Key, 0x1E, 0, 0}, {I::Key, 0x0F, 0, 1}, {I::Key, 0x38, 1, 1}}));

        // Keys still held when the focus leaves are released on the server.
        f.client->Inputs.clear();
        QFocusEvent out(QEvent::FocusOut);
        QApplication::sendEvent(frame, &out);
        QCOMPARE(f.client->Inputs.size(), 2);
        QVERIFY(f.client->Inputs.contains(I{I::Key, 0x0F, 0, 0}));
        QVERIFY(f.client->Inputs.contains(I{I::Key, 0x38, 1, 0}));

        f.client->Inputs.clear();
        QTest::mousePress(frame, Qt::LeftButton, {}, QPoint(10, 20));
        QTest::mouseRelease(frame, Qt::RightButton, {}, QPoint(10, 20));
        QWheelEvent wheel(QPointF(5, 6), frame->mapToGlobal(QPointF(5, 6)), {}, QPoint(0, -120), Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(frame, &wheel);
        QCOMPARE(f.client->Inputs,
                 (QList<I>{{I::Mouse, TMouseFlags::Button1 | TMouseFlags::Down, 10, 20},
                           {I::Mouse, TMouseFlags::Button2, 10, 20},
                           {I::Mouse, TMouseFlags::Wheel | TMouseFlags::WheelNegative | 0x88, 5, 6}}));
    }

    void fullScreenAndBack()
    {
        Fixture f;
        f.tab->show();
        TFrameRDP* frame = f.session->FrameRDP();
        frame->SetFullScreen(true);
        QVERIFY(frame->isWindow());
        QVERIFY(f.client->FullScreen());
        // Ctrl+Alt+Enter leaves full screen and does not reach the session.
        f.client->Inputs.clear();
        sendKey(frame, QEvent::KeyPress, Qt::Key_Return, 36, Qt::ControlModifier | Qt::AltModifier);
        QVERIFY(!frame->IsFullScreen());
        QCOMPARE(frame->parentWidget(), f.tab);
        QVERIFY(f.client->Inputs.isEmpty());
        QCOMPARE(f.events,
                 (QList<ElementEvent>{{"EnterFullScreenMode", -1, "web"}, {"LeaveFullScreenMode", -1, "web"}}));
    }

    void smartSizingScalesThePointer()
    {
        Fixture f;
        (void)f.client->SetProperty(TClientProperty::SmartSizing, true);
        QImage picture(800, 600, QImage::Format_RGB32);
        picture.fill(Qt::white);
        f.client->ShowFrame(picture);
        f.tab->resize(400, 300);
        f.tab->show();
        QCOMPARE(f.session->FrameRDP()->toDesktop(QPointF(100, 150)), QPoint(200, 300));
    }
};

QTEST_MAIN(TestElementSession)
#include "tst_elementsession.moc"
