#pragma once

#include <cstdint>
#include <vector>

#include <QByteArray>
#include <QList>
#include <QString>

// A second opinion on Ogg files from libogg, which this project does not ship: every page must
// be found with a correct checksum, with no bytes between or after pages, in one logical stream
// whose page numbers follow each other.
struct OggVerdict
{
    bool valid = false;
    QString problem;
    int pages = 0;
    std::vector<QByteArray> headerPackets; // the first three packets: identification, comments,
                                           // setup
    std::vector<QByteArray> pageBytes;     // every page as libogg framed it
};

OggVerdict judgeOgg(const QByteArray &file);

// The user comments of a Vorbis comment packet, as raw bytes.
std::vector<QByteArray> vorbisComments(const QByteArray &commentPacket);

// libogg's checksum of a page (computed over the page with its checksum field zeroed).
std::uint32_t liboggPageChecksum(const QByteArray &page);

// The pages libogg frames from `packets` in one stream; with `pagePerPacket` each packet is
// flushed onto pages of its own, otherwise libogg fills pages as it does for an encoder.
std::vector<QByteArray> liboggPages(const QList<QByteArray> &packets, bool pagePerPacket);
