#include "TCliprdrChannel.h"

#include <freerdp/client/cliprdr.h>

#include <QByteArray>

#include <cstring>

namespace {
constexpr UINT32 kText = 1;         // CF_TEXT
constexpr UINT32 kUnicodeText = 13; // CF_UNICODETEXT

/// None when the channel delivers a message while its session side is being torn down.
TCliprdrChannel* channelOf(CliprdrClientContext* context)
{
    return static_cast<TCliprdrChannel*>(context->custom);
}
} // namespace

struct TCliprdrChannel::Callbacks
{
    static UINT monitorReady(CliprdrClientContext* context, const CLIPRDR_MONITOR_READY*)
    {
        CLIPRDR_GENERAL_CAPABILITY_SET general{};
        general.capabilitySetType = CB_CAPSTYPE_GENERAL;
        general.capabilitySetLength = 12;
        general.version = CB_CAPS_VERSION_2;
        general.generalFlags = CB_USE_LONG_FORMAT_NAMES;
        CLIPRDR_CAPABILITIES capabilities{};
        capabilities.cCapabilitiesSets = 1;
        capabilities.capabilitySets = reinterpret_cast<CLIPRDR_CAPABILITY_SET*>(&general);
        const UINT status = context->ClientCapabilities(context, &capabilities);
        if (status != CHANNEL_RC_OK)
            return status;
        TCliprdrChannel* self = channelOf(context);
        if (!self)
            return CHANNEL_RC_OK;
        {
            std::lock_guard lock(self->m_mutex);
            self->m_ready = true;
        }
        self->announceLocalText();
        return CHANNEL_RC_OK;
    }

    static UINT serverCapabilities(CliprdrClientContext*, const CLIPRDR_CAPABILITIES*) { return CHANNEL_RC_OK; }

    static UINT serverFormatList(CliprdrClientContext* context, const CLIPRDR_FORMAT_LIST* list)
    {
        CLIPRDR_FORMAT_LIST_RESPONSE response{};
        response.msgFlags = CB_RESPONSE_OK;
        context->ClientFormatListResponse(context, &response);
        UINT32 wanted = 0;
        for (UINT32 i = 0; i < list->numFormats; ++i) {
            if (list->formats[i].formatId == kUnicodeText)
                wanted = kUnicodeText;
            else if (list->formats[i].formatId == kText && wanted == 0)
                wanted = kText;
        }
        TCliprdrChannel* self = channelOf(context);
        if (wanted == 0 || !self)
            return CHANNEL_RC_OK;
        {
            std::lock_guard lock(self->m_mutex);
            self->m_requestedFormat = wanted;
        }
        CLIPRDR_FORMAT_DATA_REQUEST request{};
        request.requestedFormatId = wanted;
        return context->ClientFormatDataRequest(context, &request);
    }

    static UINT serverFormatListResponse(CliprdrClientContext*, const CLIPRDR_FORMAT_LIST_RESPONSE*)
    {
        return CHANNEL_RC_OK;
    }

    static UINT serverFormatDataResponse(CliprdrClientContext* context, const CLIPRDR_FORMAT_DATA_RESPONSE* response)
    {
        TCliprdrChannel* self = channelOf(context);
        if (!self || !(response->msgFlags & CB_RESPONSE_OK) || !response->requestedFormatData)
            return CHANNEL_RC_OK;
        UINT32 format = 0;
        {
            std::lock_guard lock(self->m_mutex);
            format = self->m_requestedFormat;
        }
        const auto* data = reinterpret_cast<const char*>(response->requestedFormatData);
        const qsizetype size = qsizetype(response->dataLen);
        QString text;
        if (format == kUnicodeText) {
            text = QString::fromUtf16(reinterpret_cast<const char16_t*>(data), size / 2);
        } else {
            text = QString::fromLocal8Bit(data, size);
        }
        const qsizetype nul = text.indexOf(QChar(0));
        if (nul >= 0)
            text.truncate(nul);
        {
            // The local clipboard will hold this text; it is no news to announce back to the server.
            std::lock_guard lock(self->m_mutex);
            self->m_localText = text;
        }
        self->m_remoteText(text);
        return CHANNEL_RC_OK;
    }

    static UINT serverFormatDataRequest(CliprdrClientContext* context, const CLIPRDR_FORMAT_DATA_REQUEST* request)
    {
        TCliprdrChannel* self = channelOf(context);
        QString text;
        if (self) {
            std::lock_guard lock(self->m_mutex);
            text = self->m_localText;
        }
        QByteArray bytes;
        if (request->requestedFormatId == kUnicodeText) {
            text += QChar(0);
            bytes = QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
        } else if (request->requestedFormatId == kText) {
            bytes = text.toLocal8Bit();
            bytes.append('\0');
        }
        CLIPRDR_FORMAT_DATA_RESPONSE response{};
        response.msgFlags = bytes.isEmpty() ? CB_RESPONSE_FAIL : CB_RESPONSE_OK;
        response.dataLen = UINT32(bytes.size());
        response.requestedFormatData = reinterpret_cast<const BYTE*>(bytes.constData());
        return context->ClientFormatDataResponse(context, &response);
    }
};

TCliprdrChannel::TCliprdrChannel(CliprdrClientContext* context, const QString& localText,
                                 std::function<void(const QString&)> remoteText)
    : m_context(context)
    , m_remoteText(std::move(remoteText))
    , m_localText(localText)
{
    context->custom = this;
    context->MonitorReady = Callbacks::monitorReady;
    context->ServerCapabilities = Callbacks::serverCapabilities;
    context->ServerFormatList = Callbacks::serverFormatList;
    context->ServerFormatListResponse = Callbacks::serverFormatListResponse;
    context->ServerFormatDataRequest = Callbacks::serverFormatDataRequest;
    context->ServerFormatDataResponse = Callbacks::serverFormatDataResponse;
}

TCliprdrChannel::~TCliprdrChannel()
{
    m_context->custom = nullptr;
}

void TCliprdrChannel::SetLocalText(const QString& text)
{
    {
        std::lock_guard lock(m_mutex);
        if (text == m_localText)
            return;
        m_localText = text;
    }
    announceLocalText();
}

void TCliprdrChannel::announceLocalText()
{
    bool hasText = false;
    {
        std::lock_guard lock(m_mutex);
        if (!m_ready)
            return;
        hasText = !m_localText.isEmpty();
    }
    CLIPRDR_FORMAT format{kUnicodeText, nullptr};
    CLIPRDR_FORMAT_LIST list{};
    list.msgType = CB_FORMAT_LIST;
    list.numFormats = hasText ? 1 : 0;
    list.formats = hasText ? &format : nullptr;
    m_context->ClientFormatList(m_context, &list);
}
