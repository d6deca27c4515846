// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <cstdlib>
#include <cstring>

#include <xcb/xcb.h>

#include "platform/process/qtprocesslauncher.h"
#include "platform/process/x11activation.h"

using namespace Platform;

namespace {

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    xcb_intern_atom_reply_t *reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return result;
}

void setX11Property(xcb_connection_t *connection, xcb_window_t window, const char *name, xcb_atom_t type,
                    uint32_t value)
{
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, atom(connection, name), type, 32, 1, &value);
}

} // namespace

// Raising another program's window: the offscreen platform (and so Wayland and the like)
// says honestly that it cannot; on X11 the request goes to the window manager, played here
// by the test on a private Xvfb display.
class TestProcessLauncher : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void windowSystemWithoutRaisingSaysSo()
    {
        QtProcessLauncher launcher;
        QVERIFY(!launcher.canBringToFront());
        const Status status = launcher.bringToFront(QCoreApplication::applicationPid());
        QCOMPARE(status.code(), ErrorCode::NotSupported);
        QVERIFY(status.error().detail.contains(QStringLiteral("offscreen")));
    }

    void x11RequestGoesToTheWindowManager_data()
    {
        QTest::addColumn<bool>("windowManager");
        QTest::addColumn<qint64>("pid");
        QTest::addColumn<qint64>("code");
        QTest::newRow("the task's window") << true << qint64(4242) << qint64(0);
        QTest::newRow("no window of the task") << true << qint64(4243) << ErrorCode::WindowNotFound;
        QTest::newRow("no window manager") << false << qint64(4242) << ErrorCode::NotSupported;
    }
    void x11RequestGoesToTheWindowManager()
    {
        QFETCH(bool, windowManager);
        QFETCH(qint64, pid);
        QFETCH(qint64, code);
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty())
            QSKIP("Xvfb is not installed");
        QProcess server;
        server.start(xvfb,
                     {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                      QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"),
                      QStringLiteral("320x240x24")});
        QVERIFY(server.waitForStarted());
        QByteArray number;
        while (!number.contains('\n') && server.waitForReadyRead(10000))
            number += server.readAllStandardOutput();
        QVERIFY2(!number.trimmed().isEmpty(), "Xvfb did not tell its display");
        const QByteArray display = ':' + number.trimmed();

        // The window manager's side: the features it announces, one managed client window.
        xcb_connection_t *manager = xcb_connect(display.constData(), nullptr);
        QVERIFY(!xcb_connection_has_error(manager));
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(manager)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT;
        xcb_change_window_attributes(manager, root, XCB_CW_EVENT_MASK, &mask);
        const xcb_window_t client = xcb_generate_id(manager);
        xcb_create_window(manager, XCB_COPY_FROM_PARENT, client, root, 0, 0, 10, 10, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                          XCB_COPY_FROM_PARENT, 0, nullptr);
        setX11Property(manager, client, "_NET_WM_PID", XCB_ATOM_CARDINAL, 4242);
        if (windowManager) {
            setX11Property(manager, root, "_NET_SUPPORTED", XCB_ATOM_ATOM, atom(manager, "_NET_ACTIVE_WINDOW"));
            setX11Property(manager, root, "_NET_CLIENT_LIST", XCB_ATOM_WINDOW, client);
        }
        xcb_flush(manager);

        xcb_connection_t *program = xcb_connect(display.constData(), nullptr);
        const Status status = activateWindowOfProcess(program, pid);
        QCOMPARE(status.code(), code);

        bool requested = false;
        QElapsedTimer waited;
        waited.start();
        const xcb_atom_t activeWindow = atom(manager, "_NET_ACTIVE_WINDOW");
        while (!requested && waited.elapsed() < (code == 0 ? 5000 : 300)) {
            xcb_generic_event_t *event = xcb_poll_for_event(manager);
            if (!event) {
                QTest::qWait(10);
                continue;
            }
            if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE) {
                const auto *message = reinterpret_cast<xcb_client_message_event_t *>(event);
                requested = message->type == activeWindow && message->window == client && message->data.data32[0] == 2;
            }
            std::free(event);
        }
        QCOMPARE(requested, code == 0);
        xcb_disconnect(program);
        xcb_disconnect(manager);
        server.terminate();
        server.waitForFinished();
    }
};

QTEST_MAIN(TestProcessLauncher)
#include "tst_processlauncher.moc"
