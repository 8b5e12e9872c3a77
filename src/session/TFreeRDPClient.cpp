#include "TFreeRDPClient.h"

#include "ISessionPrompts.h"
#include "TCliprdrChannel.h"
#include "TFreeRDPErrors.h"
#include "TKeyboardMap.h"
#include "TLocalClipboard.h"
#include "TMouseFlags.h"

#include <QDir>
#include <QMetaObject>
#include <QPixmap>

#include <freerdp/channels/channels.h>
#include <freerdp/client.h>
#include <freerdp/client/channels.h>
#include <freerdp/client/cliprdr.h>
#include <freerdp/client/cmdline.h>
#include <freerdp/client/rdpgfx.h>
#include <freerdp/codec/color.h>
#include <freerdp/event.h>
#include <freerdp/freerdp.h>
#include <freerdp/gdi/gdi.h>
#include <freerdp/gdi/gfx.h>
#include <freerdp/graphics.h>
#include <freerdp/input.h>
#include <freerdp/primitives.h>
#include <freerdp/scancode.h>
#include <freerdp/session.h>
#include <freerdp/settings.h>
#include <winpr/synch.h>
#include <winpr/wlog.h>

#include <sys/socket.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <functional>
#include <future>
#include <mutex>
#include <thread>

static_assert(TMouseFlags::Move == PTR_FLAGS_MOVE && TMouseFlags::Down == PTR_FLAGS_DOWN);
static_assert(TMouseFlags::Button1 == PTR_FLAGS_BUTTON1 && TMouseFlags::Button2 == PTR_FLAGS_BUTTON2);
static_assert(TMouseFlags::Button3 == PTR_FLAGS_BUTTON3 && TMouseFlags::Wheel == PTR_FLAGS_WHEEL);
static_assert(TMouseFlags::WheelNegative == PTR_FLAGS_WHEEL_NEGATIVE);
static_assert(TMouseFlags::HorizontalWheel == PTR_FLAGS_HWHEEL);

namespace {
using namespace std::chrono_literals;

constexpr int kDefaultWidth = 1024;
constexpr int kDefaultHeight = 768;
constexpr auto kPoll = 100ms;
constexpr auto kReconnectPause = 2s;

void initialiseProcessOnce()
{
    static std::once_flag once;
    std::call_once(once, [] {
        // FreeRDP logs to the console at INFO by default; keep what matters unless the user asks for more.
        if (qEnvironmentVariableIsEmpty("WLOG_LEVEL"))
            WLog_SetLogLevel(WLog_GetRoot(), WLOG_ERROR);
    });
    TKeyboardMap::Initialise();
}

/// The host and port of a "full address": "host", "host:port", "[v6]" or "[v6]:port". An explicit port wins.
std::pair<QString, int> splitAddress(const QString& address, int port)
{
    if (address.startsWith(u'[')) {
        const qsizetype close = address.indexOf(u']');
        if (close > 0) {
            const QString host = address.mid(1, close - 1);
            bool ok = false;
            const int explicitPort = address.mid(close + 2).toInt(&ok);
            return {host, ok && address.mid(close + 1, 1) == QLatin1String(":") ? explicitPort : port};
        }
    }
    if (address.count(u':') == 1) {
        bool ok = false;
        const int explicitPort = address.section(u':', 1).toInt(&ok);
        if (ok && explicitPort > 0 && explicitPort < 65536)
            return {address.section(u':', 0, 0), explicitPort};
    }
    return {address, port};
}
} // namespace

struct TFreeRDPClient::Session
{
    TFreeRDPClient* client = nullptr;
    ISessionPrompts* prompts = nullptr;
    TClientSettings settings;
    int reconnectAttempts = 0;
    rdpContext* context = nullptr;
    std::thread worker;

    std::atomic<bool> cancelled{false};
    std::atomic<bool> timedOut{false};
    std::atomic<bool> userCancelled{false};
    std::atomic<bool> everConnected{false};
    std::atomic<bool> loginReported{false};
    std::atomic<bool> framePosted{false};
    QRect pendingDirty; // guarded by the client's frame mutex

    std::mutex inputMutex;
    bool inputOpen = false;
    std::mutex teardownMutex; // an abort from the user-interface thread never meets a transport being freed

    std::mutex clipboardMutex;
    std::unique_ptr<TCliprdrChannel> clipboard;
    QString localText;

    freerdp* instance() const { return context->instance; }

    template <typename F> void post(F&& f)
    {
        QMetaObject::invokeMethod(client, std::forward<F>(f), Qt::QueuedConnection);
    }

    void raise(TClientEvent event, int value = -1, int extra = 0)
    {
        TFreeRDPClient* c = client;
        post([c, event, value, extra] { c->raise(event, value, extra); });
    }

    void setInputOpen(bool open)
    {
        std::lock_guard lock(inputMutex);
        inputOpen = open;
    }

    /// Runs `ask` on the user-interface thread and waits for its answer, or for the attempt to be cancelled.
    template <typename R> R askUser(std::function<R()> ask, R whenCancelled)
    {
        auto promise = std::make_shared<std::promise<R>>();
        std::future<R> answer = promise->get_future();
        TFreeRDPClient* c = client;
        post([c, promise, ask] {
            // The prompt runs an event loop of its own, in which the client may go away.
            QPointer<TFreeRDPClient> alive(c);
            c->pausePrompting(true);
            promise->set_value(ask());
            if (alive)
                c->pausePrompting(false);
        });
        while (answer.wait_for(kPoll) != std::future_status::ready) {
            if (cancelled)
                return whenCancelled;
        }
        try {
            return answer.get();
        } catch (const std::future_error&) {
            return whenCancelled;
        }
    }

    void abort()
    {
        cancelled = true;
        std::lock_guard lock(teardownMutex);
        freerdp_abort_connect(instance());
        // A peer that accepts the connection but never speaks keeps the connect blocked in a read; closing
        // the sockets ends it.
        if (!everConnected) {
            void* readFds[32];
            void* writeFds[32];
            int readCount = 0;
            int writeCount = 0;
            if (freerdp_get_fds(instance(), readFds, &readCount, writeFds, &writeCount)) {
                for (int i = 0; i < readCount; ++i)
                    ::shutdown(int(reinterpret_cast<intptr_t>(readFds[i])), SHUT_RDWR);
            }
        }
    }

    void eventLoop()
    {
        rdpContext* ctx = context;
        while (!cancelled && !freerdp_shall_disconnect(instance())) {
            HANDLE handles[MAXIMUM_WAIT_OBJECTS];
            const DWORD count = freerdp_get_event_handles(ctx, handles, ARRAYSIZE(handles));
            if (count == 0)
                break;
            if (WaitForMultipleObjects(count, handles, FALSE, DWORD(kPoll.count())) == WAIT_FAILED)
                break;
            if (!freerdp_check_event_handles(ctx)) {
                if (freerdp_get_last_error(ctx) == FREERDP_ERROR_SUCCESS)
                    freerdp_set_last_error_ex(ctx, FREERDP_ERROR_CONNECT_TRANSPORT_FAILED, __FUNCTION__, __FILE__,
                                              __LINE__);
                break;
            }
        }
    }

    bool droppedByNetwork() const
    {
        return !cancelled && settings.EnableAutoReconnect && freerdp_error_info(instance()) == 0 &&
               freerdp_get_last_error(context) == FREERDP_ERROR_CONNECT_TRANSPORT_FAILED;
    }

    void disconnectTransport()
    {
        setInputOpen(false);
        std::lock_guard lock(teardownMutex);
        freerdp_disconnect(instance());
    }

    /// Tries to bring a dropped session back; true when it is back.
    bool reconnect()
    {
        for (int attempt = 1; attempt <= reconnectAttempts && !cancelled; ++attempt) {
            raise(TClientEvent::AutoReconnecting, 2308, attempt);
            disconnectTransport();
            for (auto waited = 0ms; waited < kReconnectPause && !cancelled; waited += kPoll)
                std::this_thread::sleep_for(kPoll);
            if (!cancelled && freerdp_connect(instance())) {
                setInputOpen(true);
                return true;
            }
        }
        return false;
    }

    void run()
    {
        if (!cancelled && freerdp_connect(instance())) {
            everConnected = true;
            setInputOpen(true);
            raise(TClientEvent::Connected);
            do {
                eventLoop();
            } while (droppedByNetwork() && reconnect());
        }
        TSessionEnd end;
        end.LastError = freerdp_get_last_error(context);
        end.ErrorInfo = freerdp_error_info(instance());
        end.TimedOut = timedOut;
        end.OwnDisconnect = (cancelled && !timedOut) || userCancelled;
        end.WasConnected = everConnected;
        if (TFreeRDPErrors::IsLogonFailure(end.LastError)) {
            raise(TClientEvent::LogonError, int(end.LastError & 0xFFFF));
            TFreeRDPClient* c = client;
            const QString server = settings.Server;
            const QString message = QString::fromUtf8(freerdp_get_last_error_string(end.LastError));
            post([c, server, message] {
                if (c->m_prompts)
                    c->m_prompts->ShowLogonError(server, message);
            });
        }
        disconnectTransport();
        const int reason = TFreeRDPErrors::DisconnectReason(end);
        TFreeRDPClient* c = client;
        post([c, reason] { c->sessionEnded(reason); });
    }

    // Frame handling, on the worker thread.
    void copyDirty()
    {
        rdpGdi* gdi = context->gdi;
        if (!gdi || !gdi->primary)
            return;
        HGDI_WND hwnd = gdi->primary->hdc->hwnd;
        if (!hwnd || !hwnd->invalid || hwnd->invalid->null)
            return;
        QRect bound;
        {
            QMutexLocker lock(&client->m_frameMutex);
            QImage& frame = client->m_frame;
            const QRect limit(0, 0, std::min<int>(frame.width(), int(gdi->width)),
                              std::min<int>(frame.height(), int(gdi->height)));
            for (int i = 0; i < hwnd->ninvalid; ++i) {
                const HGDI_RGN r = &hwnd->cinvalid[i];
                const QRect area = QRect(r->x, r->y, r->w, r->h).intersected(limit);
                for (int y = area.top(); y <= area.bottom(); ++y) {
                    std::memcpy(frame.scanLine(y) + area.left() * 4,
                                gdi->primary_buffer + size_t(y) * gdi->stride + size_t(area.left()) * 4,
                                size_t(area.width()) * 4);
                }
                bound |= area;
            }
            pendingDirty |= bound;
        }
        hwnd->invalid->null = TRUE;
        hwnd->ninvalid = 0;
        if (!bound.isEmpty() && !framePosted.exchange(true)) {
            TFreeRDPClient* c = client;
            Session* self = this;
            post([c, self] {
                QRect dirty;
                {
                    QMutexLocker lock(&c->m_frameMutex);
                    dirty = self->pendingDirty;
                    self->pendingDirty = QRect();
                }
                self->framePosted = false;
                Q_EMIT c->frameChanged(dirty);
            });
        }
    }

    void resizeFrame(int width, int height)
    {
        {
            QMutexLocker lock(&client->m_frameMutex);
            client->m_frame = QImage(width, height, QImage::Format_RGB32);
            client->m_frame.fill(Qt::black);
            pendingDirty = QRect();
        }
        TFreeRDPClient* c = client;
        post([c, width, height] { Q_EMIT c->frameResized(QSize(width, height)); });
    }
};

struct TVelmoraContext
{
    rdpClientContext common;
    TFreeRDPClient::Session* session;
};

/// A pointer shape of the server, converted once when the server defines it.
struct TVelmoraPointer
{
    rdpPointer pointer;
    QImage* image;
};

struct SessionCallbacks
{
    static TFreeRDPClient::Session* of(freerdp* instance)
    {
        return reinterpret_cast<TVelmoraContext*>(instance->context)->session;
    }
    static TFreeRDPClient::Session* of(rdpContext* context)
    {
        return reinterpret_cast<TVelmoraContext*>(context)->session;
    }

    static void channelConnected(void* ctx, ChannelConnectedEventArgs* e)
    {
        auto* context = static_cast<rdpContext*>(ctx);
        if (strcmp(e->name, RDPGFX_DVC_CHANNEL_NAME) == 0 && context->gdi) {
            gdi_graphics_pipeline_init(context->gdi, static_cast<RdpgfxClientContext*>(e->pInterface));
        } else if (strcmp(e->name, CLIPRDR_SVC_CHANNEL_NAME) == 0) {
            TFreeRDPClient::Session* s = of(context);
            TFreeRDPClient* client = s->client;
            std::lock_guard lock(s->clipboardMutex);
            s->clipboard = std::make_unique<TCliprdrChannel>(
                static_cast<CliprdrClientContext*>(e->pInterface), s->localText,
                [s, client](const QString& text) { s->post([client, text] { client->applyRemoteText(text); }); });
        }
    }

    static void channelDisconnected(void* ctx, ChannelDisconnectedEventArgs* e)
    {
        auto* context = static_cast<rdpContext*>(ctx);
        if (strcmp(e->name, RDPGFX_DVC_CHANNEL_NAME) == 0 && context->gdi) {
            gdi_graphics_pipeline_uninit(context->gdi, static_cast<RdpgfxClientContext*>(e->pInterface));
        } else if (strcmp(e->name, CLIPRDR_SVC_CHANNEL_NAME) == 0) {
            TFreeRDPClient::Session* s = of(context);
            std::lock_guard lock(s->clipboardMutex);
            s->clipboard.reset();
        }
    }

    static BOOL preConnect(freerdp* instance)
    {
        // An abort that came before the connect began is lost inside FreeRDP; our own flag keeps it.
        if (of(instance)->cancelled)
            return FALSE;
        rdpContext* context = instance->context;
        PubSub_SubscribeChannelConnected(context->pubSub, channelConnected);
        PubSub_SubscribeChannelDisconnected(context->pubSub, channelDisconnected);
        return freerdp_client_load_addins(context->channels, instance->settings);
    }

    static BOOL pointerNew(rdpContext* context, rdpPointer* pointer)
    {
        auto* own = reinterpret_cast<TVelmoraPointer*>(pointer);
        auto image = std::make_unique<QImage>(int(pointer->width), int(pointer->height), QImage::Format_ARGB32);
        if (image->isNull() ||
            !freerdp_image_copy_from_pointer_data(image->bits(), PIXEL_FORMAT_BGRA32, UINT32(image->bytesPerLine()), 0,
                                                  0, pointer->width, pointer->height, pointer->xorMaskData,
                                                  pointer->lengthXorMask, pointer->andMaskData, pointer->lengthAndMask,
                                                  pointer->xorBpp, &context->gdi->palette))
            return FALSE;
        own->image = image.release();
        return TRUE;
    }

    static void pointerFree(rdpContext*, rdpPointer* pointer)
    {
        auto* own = reinterpret_cast<TVelmoraPointer*>(pointer);
        delete own->image;
        own->image = nullptr;
    }

    static void postCursor(rdpContext* context, std::function<QCursor()> make)
    {
        TFreeRDPClient::Session* s = of(context);
        TFreeRDPClient* c = s->client;
        // Cursors are pixmaps, which live on the user-interface thread only.
        s->post([c, make] { Q_EMIT c->cursorChanged(make()); });
    }

    static BOOL pointerSet(rdpContext* context, const rdpPointer* pointer)
    {
        const auto* own = reinterpret_cast<const TVelmoraPointer*>(pointer);
        if (!own->image)
            return FALSE;
        const QImage image = own->image->copy();
        const int x = int(pointer->xPos);
        const int y = int(pointer->yPos);
        postCursor(context, [image, x, y] { return QCursor(QPixmap::fromImage(image), x, y); });
        return TRUE;
    }

    static BOOL pointerSetNull(rdpContext* context)
    {
        postCursor(context, [] { return QCursor(Qt::BlankCursor); });
        return TRUE;
    }

    static BOOL pointerSetDefault(rdpContext* context)
    {
        postCursor(context, [] { return QCursor(Qt::ArrowCursor); });
        return TRUE;
    }

    static BOOL pointerSetPosition(rdpContext*, UINT32, UINT32) { return TRUE; }

    static BOOL postConnect(freerdp* instance)
    {
        if (!gdi_init(instance, PIXEL_FORMAT_BGRX32))
            return FALSE;
        rdpPointer pointer{};
        pointer.size = sizeof(TVelmoraPointer);
        pointer.New = pointerNew;
        pointer.Free = pointerFree;
        pointer.Set = pointerSet;
        pointer.SetNull = pointerSetNull;
        pointer.SetDefault = pointerSetDefault;
        pointer.SetPosition = pointerSetPosition;
        graphics_register_pointer(instance->context->graphics, &pointer);
        rdpUpdate* update = instance->update;
        update->EndPaint = endPaint;
        update->DesktopResize = desktopResize;
        update->SaveSessionInfo = saveSessionInfo;
        rdpGdi* gdi = instance->context->gdi;
        of(instance)->resizeFrame(int(gdi->width), int(gdi->height));
        return TRUE;
    }

    static void postDisconnect(freerdp* instance)
    {
        // Runs twice after a failed connect, also when postConnect never ran.
        rdpContext* context = instance->context;
        PubSub_UnsubscribeChannelConnected(context->pubSub, channelConnected);
        PubSub_UnsubscribeChannelDisconnected(context->pubSub, channelDisconnected);
        if (context->gdi)
            gdi_free(instance);
    }

    static BOOL endPaint(rdpContext* context)
    {
        of(context)->copyDirty();
        return TRUE;
    }

    static BOOL desktopResize(rdpContext* context)
    {
        rdpSettings* settings = context->settings;
        const UINT32 width = freerdp_settings_get_uint32(settings, FreeRDP_DesktopWidth);
        const UINT32 height = freerdp_settings_get_uint32(settings, FreeRDP_DesktopHeight);
        if (!gdi_resize(context->gdi, width, height))
            return FALSE;
        TFreeRDPClient::Session* s = of(context);
        s->resizeFrame(int(width), int(height));
        s->raise(TClientEvent::RemoteDesktopSizeChange, int(width), int(height));
        return TRUE;
    }

    static BOOL saveSessionInfo(rdpContext* context, UINT32 type, void*)
    {
        TFreeRDPClient::Session* s = of(context);
        if (type <= INFO_TYPE_LOGON_EXTENDED_INF && !s->loginReported.exchange(true))
            s->raise(TClientEvent::LoginComplete);
        return TRUE;
    }

    static BOOL authenticate(freerdp* instance, char** username, char** password, char** domain)
    {
        TFreeRDPClient::Session* s = of(instance);
        if (!s->prompts)
            return FALSE;
        TCredentials known{
            QString::fromUtf8(*username ? *username : ""), QString::fromUtf8(*domain ? *domain : ""), {}};
        ISessionPrompts* prompts = s->prompts;
        const QString server = s->settings.Server;
        const std::optional<TCredentials> given = s->askUser<std::optional<TCredentials>>(
            [prompts, server, known] { return prompts->AskCredentials(server, known); }, std::nullopt);
        if (!given) {
            s->userCancelled = true;
            return FALSE;
        }
        auto replace = [](char** target, const QString& value) {
            free(*target);
            *target = _strdup(value.toUtf8().constData());
        };
        replace(username, given->UserName);
        replace(domain, given->Domain);
        replace(password, given->Password);
        return TRUE;
    }

    static DWORD verify(freerdp* instance, TCertificateInfo info)
    {
        TFreeRDPClient::Session* s = of(instance);
        if (!s->prompts)
            return 0;
        ISessionPrompts* prompts = s->prompts;
        const TCertificateDecision decision = s->askUser<TCertificateDecision>(
            [prompts, info] { return prompts->VerifyCertificate(info); }, TCertificateDecision::Reject);
        switch (decision) {
        case TCertificateDecision::TrustAlways:
            return 1;
        case TCertificateDecision::TrustOnce:
            return 2;
        case TCertificateDecision::Reject:
            break;
        }
        s->userCancelled = true;
        return 0;
    }

    static TCertificateInfo certificate(const char* host, UINT16 port, const char* commonName, const char* subject,
                                        const char* issuer, const char* fingerprint, DWORD flags)
    {
        TCertificateInfo info;
        info.Host = QString::fromUtf8(host);
        info.Port = port;
        info.CommonName = QString::fromUtf8(commonName);
        info.Subject = QString::fromUtf8(subject);
        info.Issuer = QString::fromUtf8(issuer);
        info.Fingerprint = QString::fromUtf8(fingerprint);
        info.NameMismatch = (flags & VERIFY_CERT_FLAG_MISMATCH) != 0;
        return info;
    }

    static DWORD verifyCertificate(freerdp* instance, const char* host, UINT16 port, const char* commonName,
                                   const char* subject, const char* issuer, const char* fingerprint, DWORD flags)
    {
        return verify(instance, certificate(host, port, commonName, subject, issuer, fingerprint, flags));
    }

    static DWORD verifyChangedCertificate(freerdp* instance, const char* host, UINT16 port, const char* commonName,
                                          const char* subject, const char* issuer, const char* fingerprint,
                                          const char* oldSubject, const char* oldIssuer, const char* oldFingerprint,
                                          DWORD flags)
    {
        TCertificateInfo info = certificate(host, port, commonName, subject, issuer, fingerprint, flags);
        info.Changed = true;
        info.OldSubject = QString::fromUtf8(oldSubject);
        info.OldIssuer = QString::fromUtf8(oldIssuer);
        info.OldFingerprint = QString::fromUtf8(oldFingerprint);
        return verify(instance, info);
    }

    static int logonErrorInfo(freerdp* instance, UINT32 data, UINT32)
    {
        of(instance)->raise(TClientEvent::LogonError, int(data));
        return 1;
    }

    static BOOL clientNew(freerdp* instance, rdpContext*)
    {
        instance->PreConnect = preConnect;
        instance->PostConnect = postConnect;
        instance->PostDisconnect = postDisconnect;
        instance->Authenticate = authenticate;
        instance->GatewayAuthenticate = authenticate;
        instance->VerifyCertificateEx = verifyCertificate;
        instance->VerifyChangedCertificateEx = verifyChangedCertificate;
        instance->LogonErrorInfo = logonErrorInfo;
        return TRUE;
    }

    static int clientStartStop(rdpContext*) { return 0; }
};

namespace {
bool applySettings(rdpSettings* st, const TClientSettings& s, bool graphicsPipeline, const QString& configDir,
                   int reconnectAttempts)
{
    const auto [host, port] = splitAddress(s.Server, s.RDPPort);
    auto text = [st](size_t id, const QString& value) {
        return freerdp_settings_set_string(st, id, value.isEmpty() ? nullptr : value.toUtf8().constData());
    };
    const int width = (s.DesktopWidth > 0 ? s.DesktopWidth : kDefaultWidth) & ~1;
    const int height = s.DesktopHeight > 0 ? s.DesktopHeight : kDefaultHeight;
    const bool devices = s.RedirectDrives || s.RedirectPrinters || s.RedirectSmartCards || s.RedirectPorts;
    // These features make FreeRDP load the device and sound channels; every channel costs a round trip of
    // the connect, so they stay off unless those channels come anyway.
    const bool deviceChannel = devices || s.AudioRedirectionMode == 0;
    QDir().mkpath(configDir);
    return text(FreeRDP_ServerHostname, host) && freerdp_settings_set_uint32(st, FreeRDP_ServerPort, UINT32(port)) &&
           text(FreeRDP_Username, s.UserName) && text(FreeRDP_Domain, s.Domain) &&
           freerdp_settings_set_uint32(st, FreeRDP_DesktopWidth, UINT32(width)) &&
           freerdp_settings_set_uint32(st, FreeRDP_DesktopHeight, UINT32(height)) &&
           freerdp_settings_set_uint32(st, FreeRDP_ColorDepth, 32) &&
           freerdp_settings_set_bool(st, FreeRDP_SoftwareGdi, TRUE) &&
           freerdp_settings_set_bool(st, FreeRDP_SupportGraphicsPipeline, graphicsPipeline) &&
           text(FreeRDP_AlternateShell, s.StartProgram) && text(FreeRDP_ShellWorkingDirectory, s.WorkDir) &&
           freerdp_settings_set_bool(st, FreeRDP_AudioPlayback, s.AudioRedirectionMode == 0) &&
           freerdp_settings_set_bool(st, FreeRDP_RemoteConsoleAudio, s.AudioRedirectionMode == 1) &&
           freerdp_settings_set_bool(st, FreeRDP_CompressionEnabled, s.Compress != 0) &&
           freerdp_settings_set_bool(st, FreeRDP_ConsoleSession, s.ConnectToServerConsole) &&
           freerdp_settings_set_bool(st, FreeRDP_DeviceRedirection, devices) &&
           freerdp_settings_set_bool(st, FreeRDP_NetworkAutoDetect, deviceChannel) &&
           freerdp_settings_set_bool(st, FreeRDP_SupportHeartbeatPdu, deviceChannel) &&
           freerdp_settings_set_bool(st, FreeRDP_SupportMultitransport, deviceChannel) &&
           freerdp_settings_set_bool(st, FreeRDP_RedirectHomeDrive, s.RedirectDrives) &&
           freerdp_settings_set_bool(st, FreeRDP_RedirectPrinters, s.RedirectPrinters) &&
           freerdp_settings_set_bool(st, FreeRDP_RedirectSmartCards, s.RedirectSmartCards) &&
           freerdp_settings_set_bool(st, FreeRDP_RedirectSerialPorts, s.RedirectPorts) &&
           freerdp_settings_set_bool(st, FreeRDP_RedirectClipboard, s.RedirectClipboard) &&
           freerdp_settings_set_bool(st, FreeRDP_AutoReconnectionEnabled, s.EnableAutoReconnect) &&
           freerdp_settings_set_uint32(st, FreeRDP_AutoReconnectMaxRetries, UINT32(reconnectAttempts)) &&
           freerdp_settings_set_bool(st, FreeRDP_IgnoreCertificate, s.AuthenticationLevel == 0) &&
           freerdp_settings_set_bool(st, FreeRDP_AutoDenyCertificate, s.AuthenticationLevel == 1) &&
           freerdp_settings_set_uint32(st, FreeRDP_ProxyType, PROXY_TYPE_IGNORE) && text(FreeRDP_ConfigPath, configDir);
}
} // namespace

TFreeRDPClient::TFreeRDPClient(ISessionPrompts* prompts, const QString& configDir, QObject* parent)
    : TMsRdpClient5(parent)
    , m_prompts(prompts)
    , m_configDir(configDir)
{
    initialiseProcessOnce();
    m_connectTimeout.setSingleShot(true);
    m_connectTimeout.setInterval(15000);
    connect(&m_connectTimeout, &QTimer::timeout, this, [this] {
        if (m_session && !m_session->everConnected) {
            m_session->timedOut = true;
            m_session->abort();
        }
    });
}

TFreeRDPClient::~TFreeRDPClient()
{
    if (m_session) {
        m_session->abort();
        if (m_session->worker.joinable())
            m_session->worker.join();
        freerdp_client_context_free(m_session->context);
    }
}

void TFreeRDPClient::WarmUp()
{
    static std::once_flag once;
    std::call_once(once, [] {
        std::thread([] {
            primitives_get();
            initialiseProcessOnce();
        }).detach();
    });
}

void TFreeRDPClient::Connect()
{
    if (m_session)
        return;
    auto session = std::make_shared<Session>();
    session->client = this;
    session->prompts = m_prompts;
    session->settings = m_settings;
    session->reconnectAttempts = m_reconnectAttempts;
    session->localText = m_clipboard ? m_clipboard->Text() : QString();

    RDP_CLIENT_ENTRY_POINTS entry{};
    entry.Size = sizeof(entry);
    entry.Version = RDP_CLIENT_INTERFACE_VERSION;
    entry.ContextSize = sizeof(TVelmoraContext);
    entry.ClientNew = SessionCallbacks::clientNew;
    entry.ClientStart = SessionCallbacks::clientStartStop;
    entry.ClientStop = SessionCallbacks::clientStartStop;
    session->context = freerdp_client_context_new(&entry);
    raise(TClientEvent::Connecting);
    if (!session->context ||
        !applySettings(session->context->settings, m_settings, m_graphicsPipeline, m_configDir, m_reconnectAttempts)) {
        if (session->context)
            freerdp_client_context_free(session->context);
        raise(TClientEvent::Disconnected, 516);
        return;
    }
    reinterpret_cast<TVelmoraContext*>(session->context)->session = session.get();
    m_session = session;
    m_connectTimeout.start();
    session->worker = std::thread([s = session.get()] { s->run(); });
}

void TFreeRDPClient::Disconnect()
{
    if (m_session)
        m_session->abort();
}

bool TFreeRDPClient::IsActive() const
{
    return m_session != nullptr;
}

void TFreeRDPClient::sessionEnded(int reason)
{
    m_connectTimeout.stop();
    if (m_session) {
        if (m_session->worker.joinable())
            m_session->worker.join();
        freerdp_client_context_free(m_session->context);
        m_session.reset();
    }
    raise(TClientEvent::Disconnected, reason);
}

void TFreeRDPClient::SetClipboard(TLocalClipboard* clipboard)
{
    if (m_clipboard)
        disconnect(m_clipboard, nullptr, this, nullptr);
    m_clipboard = clipboard;
    if (clipboard)
        connect(clipboard, &TLocalClipboard::changed, this, &TFreeRDPClient::localClipboardChanged);
}

void TFreeRDPClient::localClipboardChanged()
{
    if (m_applyingRemoteText || !m_clipboard || !m_session)
        return;
    const QString text = m_clipboard->Text();
    std::lock_guard lock(m_session->clipboardMutex);
    m_session->localText = text;
    if (m_session->clipboard)
        m_session->clipboard->SetLocalText(text);
}

void TFreeRDPClient::applyRemoteText(const QString& text)
{
    if (!m_clipboard)
        return;
    m_applyingRemoteText = true;
    m_clipboard->SetText(text);
    m_applyingRemoteText = false;
}

void TFreeRDPClient::pausePrompting(bool prompting)
{
    // Time the user spends reading a prompt is not the server's time.
    if (!m_session || m_session->everConnected)
        return;
    if (prompting)
        m_connectTimeout.stop();
    else
        m_connectTimeout.start();
}

void TFreeRDPClient::SendKey(quint16 scancode, bool extended, bool down)
{
    if (!m_session)
        return;
    std::lock_guard lock(m_session->inputMutex);
    if (m_session->inputOpen)
        freerdp_input_send_keyboard_event_ex(m_session->instance()->input, down, MAKE_RDP_SCANCODE(scancode, extended));
}

void TFreeRDPClient::SendLockKeys(quint32 flags)
{
    if (!m_session)
        return;
    std::lock_guard lock(m_session->inputMutex);
    if (m_session->inputOpen)
        freerdp_input_send_synchronize_event(m_session->instance()->input, flags);
}

void TFreeRDPClient::SendMouse(quint16 flags, int x, int y)
{
    if (!m_session)
        return;
    std::lock_guard lock(m_session->inputMutex);
    if (m_session->inputOpen)
        freerdp_input_send_mouse_event(m_session->instance()->input, flags, quint16(std::max(0, x)),
                                       quint16(std::max(0, y)));
}
