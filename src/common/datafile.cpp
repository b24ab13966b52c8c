#include "common/datafile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace tarvelo {

namespace {

constexpr const char* kCp932 = "windows-31j";

// Qt's converters count invalid characters for their whole life; reading that count
// before and after a call tells whether this call met one, so one converter serves all.
class Cp932Decoder : public QStringDecoder {
public:
    Cp932Decoder() : QStringDecoder(kCp932, QStringConverter::Flag::Stateless) {}
    qsizetype InvalidCount() const { return state.invalidChars; }
};

class Cp932Encoder : public QStringEncoder {
public:
    Cp932Encoder() : QStringEncoder(kCp932, QStringConverter::Flag::Stateless) {}
    qsizetype InvalidCount() const { return state.invalidChars; }
};

// Printable ASCII is the same in code page 932 (its control codes are not all the same).
bool IsPlainAscii(QByteArrayView bytes) {
    for (char c : bytes) {
        if (c < 0x20 || c > 0x7e) return false;
    }
    return true;
}

bool IsPlainAscii(const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e) return false;
    }
    return true;
}

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

FileValue Decoded(QByteArrayView raw) {
    FileValue value;
    if (const auto text = DecodeCp932(raw)) {
        value.text = *text;
    } else {
        value.decoded = false;
    }
    return value;
}

}  // namespace

QList<FileValue> SplitValues(QByteArrayView bytes, int maxValues) {
    QList<FileValue> values;
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n && values.size() < maxValues) {
        while (i < n && IsBlank(bytes[i])) ++i;
        QByteArrayView raw;
        if (i < n && bytes[i] == '"') {
            const qsizetype start = ++i;
            while (i < n && bytes[i] != '"' && !IsLineEnd(bytes[i])) ++i;
            raw = bytes.sliced(start, i - start);
            while (i < n && bytes[i] != ',' && !IsLineEnd(bytes[i])) ++i;
        } else {
            const qsizetype start = i;
            while (i < n && bytes[i] != ',' && !IsLineEnd(bytes[i])) ++i;
            qsizetype end = i;
            while (end > start && IsBlank(bytes[end - 1])) --end;
            raw = bytes.sliced(start, end - start);
        }
        values.append(Decoded(raw));
        // Step over the separator; CR LF counts as one line end.
        if (i < n) {
            if (bytes[i] == '\r' && i + 1 < n && bytes[i + 1] == '\n') ++i;
            ++i;
        }
    }
    return values;
}

FileBytes ReadDataFile(const QString& path) {
    FileBytes result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    result.bytes = file.read(kMaxDataFileBytes);
    if (file.error() != QFileDevice::NoError) {
        result.error = file.errorString();
        result.bytes.clear();
    }
    return result;
}

bool Cp932Available() { return QStringEncoder(kCp932).isValid() && QStringDecoder(kCp932).isValid(); }

std::optional<QByteArray> EncodeCp932(const QString& text) {
    if (IsPlainAscii(text)) return text.toLatin1();
    thread_local Cp932Encoder encoder;
    if (!encoder.isValid()) return std::nullopt;
    const qsizetype invalidBefore = encoder.InvalidCount();
    QByteArray bytes = encoder(text);
    if (encoder.InvalidCount() != invalidBefore) return std::nullopt;
    return bytes;
}

std::optional<QString> DecodeCp932(QByteArrayView bytes) {
    if (IsPlainAscii(bytes)) return QString::fromLatin1(bytes);
    thread_local Cp932Decoder decoder;
    if (!decoder.isValid()) return std::nullopt;
    const qsizetype invalidBefore = decoder.InvalidCount();
    QString text = decoder(bytes);
    if (decoder.InvalidCount() != invalidBefore) return std::nullopt;
    return text;
}

bool WriteAll(QIODevice& device, const QByteArray& bytes, QString* error) {
    if (device.write(bytes) != bytes.size()) {
        if (error) *error = device.errorString();
        return false;
    }
    return true;
}

QString SaveDataFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    QString error;
    // The data must reach the disk before the old file is replaced: a full disk can let
    // write() take everything into the buffer and fail only on flushing.
    if (!WriteAll(file, bytes, &error) || !file.flush()) {
        if (error.isEmpty()) error = file.errorString();
        file.cancelWriting();
        return error;
    }
    if (file.size() != bytes.size()) {
        error = file.errorString();
        file.cancelWriting();
        return error.isEmpty() ? QStringLiteral("書き込みが途中で止まりました。") : error;
    }
    if (!file.commit()) return file.errorString();
    return QString();
}

}  // namespace tarvelo
