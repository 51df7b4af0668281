#include "comment_page_builder.h"

#include "ogg_judge.h"

#include <QDataStream>
#include <QIODevice>

namespace builder {

namespace {

constexpr int kPage2 = 58;

struct Page2
{
    QList<int> lacing;
    int bodyStart = 0;
    int bodyLength = 0;
    int firstPacketSegments = 0;
    int firstPacketLength = 0;
};

Page2 page2Of(const QByteArray &file)
{
    Page2 page;
    const int n = static_cast<std::uint8_t>(file.at(kPage2 + 26));
    for (int i = 0; i < n; ++i)
        page.lacing << static_cast<std::uint8_t>(file.at(kPage2 + 27 + i));
    page.bodyStart = kPage2 + 27 + n;
    for (int value : page.lacing)
        page.bodyLength += value;
    for (int value : page.lacing) {
        page.firstPacketLength += value;
        ++page.firstPacketSegments;
        if (value < 255)
            break;
    }
    return page;
}

QByteArray le32(std::uint32_t value)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << value;
    return bytes;
}

} // namespace

QByteArray blockBytes(const Block &block)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.setFloatingPointPrecision(QDataStream::SinglePrecision);
    out << block.version << block.minDist << block.maxDist << block.volume << block.gameType
        << block.aiDist;
    return bytes;
}

QByteArray commentPacket(const QByteArray &vendor, const QList<QByteArray> &comments)
{
    QByteArray packet("\x03vorbis", 7);
    packet += le32(static_cast<std::uint32_t>(vendor.size())) + vendor;
    packet += le32(static_cast<std::uint32_t>(comments.size()));
    for (const QByteArray &comment : comments)
        packet += le32(static_cast<std::uint32_t>(comment.size())) + comment;
    return packet + QByteArray(1, '\x01');
}

QByteArray withCommentPacket(const QByteArray &file, const QByteArray &packet)
{
    const Page2 old = page2Of(file);
    QList<int> lacing(packet.size() / 255, 255);
    lacing << static_cast<int>(packet.size() % 255);
    lacing += old.lacing.mid(old.firstPacketSegments);
    if (lacing.size() > 255)
        return {};
    QByteArray page = file.mid(kPage2, 26);
    page += static_cast<char>(lacing.size());
    for (int value : lacing)
        page += static_cast<char>(value);
    page += packet;
    page += file.mid(old.bodyStart + old.firstPacketLength, old.bodyLength - old.firstPacketLength);
    page.replace(22, 4, le32(liboggPageChecksum(page)));
    return file.left(kPage2) + page + file.mid(old.bodyStart + old.bodyLength);
}

QByteArray commentPacketOf(const QByteArray &file)
{
    const Page2 page = page2Of(file);
    return file.mid(page.bodyStart, page.firstPacketLength);
}

int segmentCount(const QByteArray &file)
{
    return static_cast<int>(page2Of(file).lacing.size());
}

int page2Length(const QByteArray &file)
{
    const Page2 page = page2Of(file);
    return 27 + static_cast<int>(page.lacing.size()) + page.bodyLength;
}

int packetEndLacing(const QByteArray &file)
{
    const Page2 page = page2Of(file);
    return page.lacing.at(page.firstPacketSegments - 1);
}

} // namespace builder
