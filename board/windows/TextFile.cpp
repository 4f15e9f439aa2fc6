#include "board/windows/TextFile.h"

#include "platform/files/FileHead.h"

#include <QStringDecoder>

namespace zarle {

TextLines ReadTextLines(const QString& path) {
    auto head = ReadFileHead(path);
    if (!head) return {};
    QByteArray& bytes = head->Bytes;
    // A line cut part way (perhaps inside a character) is not a tip.
    if (head->Cut) bytes.truncate(bytes.lastIndexOf('\n') + 1);
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) text = QString::fromLatin1(bytes);
    if (text.endsWith(u'\n')) text.chop(1);
    TextLines read{{}, head->Cut};
    if (text.isEmpty()) return read;
    read.Lines = text.split(u'\n');
    for (QString& line : read.Lines)
        if (line.endsWith(u'\r')) line.chop(1);
    return read;
}

} // namespace zarle
