#include "sheet/whole_file.h"

#include <QSaveFile>

std::optional<QString> writeWholeFile(const QString& path, const QByteArray& bytes)
{
    // Unbuffered, and written until every byte is: when the disk fills, a write stores part
    // of the bytes and reports no error; only the next write says what is wrong. Left to its
    // buffer, QSaveFile would put the cut file in place of the old one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 part = file.write(bytes.constData() + written, bytes.size() - written);
        if (part <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return reason;
        }
        written += part;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}
