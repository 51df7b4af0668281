#pragma once

#include <cstdint>

#include <QByteArray>
#include <QList>

// Builds variants of an encoder-made file that no encoder writes: binary first comments, other
// vendor strings, chosen lacing. Written apart from the program's own code, with libogg's
// checksum, so the program is tested against a second reading of the format.
namespace builder {

struct Block
{
    std::uint32_t version = 3;
    float minDist = 2.0f;
    float maxDist = 100.0f;
    float volume = 1.0f;
    std::uint32_t gameType = 0;
    float aiDist = 50.0f;
};

// The block's bytes, packed by QDataStream in little-endian order.
QByteArray blockBytes(const Block &block);

// A Vorbis comment header packet: signature, vendor, comments, framing bit.
QByteArray commentPacket(const QByteArray &vendor, const QList<QByteArray> &comments);

// `file` with page 2's first packet replaced by `packet`, page 2 re-laced and its checksum set.
// Empty when page 2 would need more than 255 segments.
QByteArray withCommentPacket(const QByteArray &file, const QByteArray &packet);

// The comment packet of page 2 of `file` (encoder-made, page 2 at offset 58).
QByteArray commentPacketOf(const QByteArray &file);

// The segment count of page 2 and the lacing value that ends its first packet.
int segmentCount(const QByteArray &file);
int page2Length(const QByteArray &file);
int packetEndLacing(const QByteArray &file);

} // namespace builder
