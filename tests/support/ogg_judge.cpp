#include "ogg_judge.h"

#include <cstring>

#include <QList>

#include <ogg/ogg.h>

namespace {

std::uint32_t le32(const QByteArray &bytes, qsizetype at)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<std::uint8_t>(bytes.at(at + i));
    return value;
}

} // namespace

OggVerdict judgeOgg(const QByteArray &file)
{
    OggVerdict verdict;
    ogg_sync_state sync;
    ogg_sync_init(&sync);
    char *buffer = ogg_sync_buffer(&sync, static_cast<long>(file.size()));
    std::memcpy(buffer, file.constData(), static_cast<size_t>(file.size()));
    ogg_sync_wrote(&sync, static_cast<long>(file.size()));

    ogg_stream_state stream;
    bool streamStarted = false;
    long expectedSequence = 0;
    long consumed = 0;
    ogg_page page;
    for (;;) {
        const long result = ogg_sync_pageseek(&sync, &page);
        if (result == 0)
            break;
        if (result < 0) {
            verdict.problem = QStringLiteral("bad page (checksum or capture) at %1").arg(consumed);
            break;
        }
        consumed += result;
        verdict.pageBytes.push_back(
            QByteArray(reinterpret_cast<const char *>(page.header), page.header_len) +
            QByteArray(reinterpret_cast<const char *>(page.body), page.body_len));
        if (!streamStarted) {
            ogg_stream_init(&stream, ogg_page_serialno(&page));
            streamStarted = true;
        }
        if (ogg_page_pageno(&page) != expectedSequence) {
            verdict.problem = QStringLiteral("page %1 out of sequence").arg(expectedSequence);
            break;
        }
        ++expectedSequence;
        if (ogg_stream_pagein(&stream, &page) != 0) {
            verdict.problem =
                QStringLiteral("page %1 does not belong to the stream").arg(expectedSequence - 1);
            break;
        }
        ogg_packet packet;
        while (verdict.headerPackets.size() < 3) {
            const int got = ogg_stream_packetout(&stream, &packet);
            if (got == 0)
                break;
            if (got < 0) {
                verdict.problem = QStringLiteral("hole in the packet data");
                break;
            }
            verdict.headerPackets.emplace_back(reinterpret_cast<const char *>(packet.packet),
                                               static_cast<qsizetype>(packet.bytes));
        }
        if (!verdict.problem.isEmpty())
            break;
    }
    verdict.pages = static_cast<int>(expectedSequence);
    if (verdict.problem.isEmpty() && consumed != file.size())
        verdict.problem =
            QStringLiteral("%1 bytes after the last page").arg(file.size() - consumed);
    if (verdict.problem.isEmpty() && verdict.headerPackets.size() < 3)
        verdict.problem = QStringLiteral("fewer than three header packets");
    verdict.valid = verdict.problem.isEmpty();
    if (streamStarted)
        ogg_stream_clear(&stream);
    ogg_sync_clear(&sync);
    return verdict;
}

std::vector<QByteArray> vorbisComments(const QByteArray &packet)
{
    std::vector<QByteArray> comments;
    if (packet.size() < 11 || packet.at(0) != 3 || packet.mid(1, 6) != "vorbis")
        return comments;
    qsizetype at = 7;
    const std::uint32_t vendorLength = le32(packet, at);
    at += 4 + vendorLength;
    if (at + 4 > packet.size())
        return comments;
    const std::uint32_t count = le32(packet, at);
    at += 4;
    for (std::uint32_t i = 0; i < count && at + 4 <= packet.size(); ++i) {
        const std::uint32_t length = le32(packet, at);
        at += 4;
        comments.push_back(packet.mid(at, length));
        at += length;
    }
    return comments;
}

std::uint32_t liboggPageChecksum(const QByteArray &page)
{
    QByteArray copy = page;
    auto *bytes = reinterpret_cast<unsigned char *>(copy.data());
    const int segments = bytes[26];
    ogg_page p;
    p.header = bytes;
    p.header_len = 27 + segments;
    p.body = bytes + p.header_len;
    p.body_len = static_cast<long>(copy.size()) - p.header_len;
    ogg_page_checksum_set(&p);
    return le32(copy, 22);
}

std::vector<QByteArray> liboggPages(const QList<QByteArray> &packets, bool pagePerPacket)
{
    ogg_stream_state stream;
    ogg_stream_init(&stream, 12345);
    std::vector<QByteArray> pages;
    for (qsizetype i = 0; i < packets.size(); ++i) {
        QByteArray data = packets[i];
        ogg_packet packet{};
        packet.packet = reinterpret_cast<unsigned char *>(data.data());
        packet.bytes = static_cast<long>(data.size());
        packet.b_o_s = i == 0;
        packet.e_o_s = i + 1 == packets.size();
        packet.packetno = i;
        packet.granulepos = i * 1024;
        ogg_stream_packetin(&stream, &packet);
        ogg_page page;
        while (pagePerPacket ? ogg_stream_flush(&stream, &page)
                             : ogg_stream_pageout(&stream, &page))
            pages.push_back(
                QByteArray(reinterpret_cast<const char *>(page.header), page.header_len) +
                QByteArray(reinterpret_cast<const char *>(page.body), page.body_len));
    }
    ogg_stream_clear(&stream);
    return pages;
}
