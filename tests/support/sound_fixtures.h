#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

// Real sound files for the tests: the committed samples, and tones encoded on the spot by sox
// and oggenc. Tests always work on copies in a temporary folder.
namespace fixtures {

QString samplePath(const QString &name);
QByteArray readFile(const QString &path);
void writeFile(const QString &path, const QByteArray &bytes);
// Copies a committed sample into `folder` (writable) and returns the copy's path.
QString copySample(const QString &name, const QString &folder);

// Encodes a tone with oggenc; `comments` are NAME=value texts. A second channel holds a steady
// tone, or with `noise` white noise, which makes a large file. Empty on failure.
QString encodeTone(const QString &folder, const QString &name, int channels, double seconds,
                   const QStringList &comments = {}, int quality = 0, int rate = 44100,
                   bool noise = false);

// A source sox makes with `soxArgs` after "-n" and before the file (rate, channels, bits...) and
// `effects` after it ("synth 1 sine 440"); the type from the name. Empty on failure.
QString soxSource(const QString &folder, const QString &name, const QStringList &soxArgs,
                  const QStringList &effects);

// The decoded audio, as raw 16-bit samples from oggdec; empty when it cannot decode.
QByteArray decodedSamples(const QString &path);

// What ogginfo complains about, less the expected remark that the binary block is not NAME=value.
QStringList ogginfoComplaints(const QString &path);

// Every entry of a folder with a digest of its content, to show that nothing else changed.
QMap<QString, QByteArray> folderState(const QString &folder);

// The rows of the hostile catalogue (tests/data/hostile/MANIFEST.tsv) as a data table with the
// columns name, message (the attribute strip's text) and writable.
void addHostileCatalogueRows();
// Where the catalogue's files are.
QString hostilePath(const QString &name);

// A Vorbis comment of `length` bytes that gives a NAME=value text of that exact size.
QString textCommentOfLength(int length);

} // namespace fixtures

#include "file_image.h"

#include <cstdint>
#include <memory>
#include <span>

namespace fixtures {

// The bytes of `bytes`, as the core takes them.
std::span<const std::uint8_t> spanOf(const QByteArray &bytes);

// An image holding `bytes` as if read whole from a file of that size.
std::unique_ptr<kelvane::FileImage> imageOf(const QByteArray &bytes);
QByteArray bytesOf(const kelvane::FileImage &image);

} // namespace fixtures
