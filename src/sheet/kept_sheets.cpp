#include "sheet/kept_sheets.h"

#include "sheet/sheet_document_io.h"
#include "sheet/whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUuid>

#include <algorithm>

namespace {

const QString kSheetSuffix = QStringLiteral(".tavilon");
const QString kUnsaved = QStringLiteral("unsaved");

// The lock of a window that held the sheet is stale once its process has gone, however
// long ago it was taken; a live window's lock is never stale.
void neverStaleWhileHeld(QLockFile& lock)
{
    lock.setStaleLockTime(0);
}

bool isHeld(const QString& lockPath)
{
    QLockFile lock(lockPath);
    neverStaleWhileHeld(lock);
    if (!lock.tryLock(0))
        return true;
    lock.unlock();
    return false;
}

} // namespace

KeptSheets::KeptSheets(QString folder)
    : m_folder(std::move(folder))
{ }

QString KeptSheets::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
        + QStringLiteral("/kept-sheets");
}

QString KeptSheets::sheetFile(const QString& id) const
{
    return m_folder + QLatin1Char('/') + id + kSheetSuffix;
}

QString KeptSheets::originFile(const QString& id) const
{
    return m_folder + QLatin1Char('/') + id + QStringLiteral(".origin");
}

QString KeptSheets::lockFile(const QString& id) const
{
    return m_folder + QLatin1Char('/') + id + QStringLiteral(".lock");
}

QList<KeptSheets::Closed> KeptSheets::closedSheets() const
{
    QList<Closed> closed;
    const QFileInfoList files
        = QDir(m_folder).entryInfoList({QLatin1Char('*') + kSheetSuffix}, QDir::Files, QDir::Time);
    for (const QFileInfo& file : files) {
        const QString id = file.completeBaseName();
        if (isHeld(lockFile(id)))
            continue;
        QFile origin(originFile(id));
        const QStringList lines = origin.open(QIODevice::ReadOnly)
            ? QString::fromUtf8(origin.readAll()).split(QLatin1Char('\n'))
            : QStringList();
        closed.append(
            {id, file.filePath(), lines.value(0), lines.value(1) == kUnsaved, file.lastModified()});
    }
    return closed;
}

void KeptSheets::prune() const
{
    const QList<Closed> closed = closedSheets();
    for (qsizetype i = kClosedSheetsKept; i < closed.size(); ++i) {
        QFile::remove(closed[i].sheetFile);
        QFile::remove(originFile(closed[i].id));
    }
}

std::unique_ptr<KeptSheet> KeptSheet::claim(const KeptSheets& store, const QString& id)
{
    if (!QDir().mkpath(store.folder()))
        return nullptr;
    const QString sheetId = id.isEmpty() ? QUuid::createUuid().toString(QUuid::WithoutBraces) : id;
    std::unique_ptr<KeptSheet> sheet(new KeptSheet(store, sheetId));
    if (!sheet->m_lock.tryLock(0))
        return nullptr;
    return sheet;
}

KeptSheet::KeptSheet(const KeptSheets& store, QString id)
    : m_id(std::move(id))
    , m_sheetFile(store.sheetFile(m_id))
    , m_originFile(store.originFile(m_id))
    , m_lock(store.lockFile(m_id))
{
    neverStaleWhileHeld(m_lock);
}

KeptSheet::~KeptSheet() = default;

std::optional<QString> KeptSheet::keep(
    const QTextDocument& document, const QString& originalPath, bool unsavedChanges)
{
    if (const std::optional<QString> refused = saveSheet(document, m_sheetFile))
        return refused;
    if (originalPath.isEmpty()) {
        QFile::remove(m_originFile);
        return std::nullopt;
    }
    const QString lines
        = originalPath + (unsavedChanges ? QLatin1Char('\n') + kUnsaved : QString());
    return writeWholeFile(m_originFile, lines.toUtf8());
}

void KeptSheet::discard()
{
    QFile::remove(m_sheetFile);
    QFile::remove(m_originFile);
}
