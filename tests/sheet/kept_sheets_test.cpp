#include "sheet/kept_sheets.h"
#include "test_main.h"

#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTextDocument>

class KeptSheetsTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void closedSheetsComeNewestFirst();
    void aHeldSheetIsNotOffered();
    void aSheetLeftByACrashCountsAsClosed();
    void pruningKeepsTheTenLatest();
    void noFolderNoKeeping();

private:
    // A sheet kept and closed, as a window leaves it, closed `minutesAgo`.
    QString keepClosed(const QString& text, const QString& originalPath, int minutesAgo,
        bool unsavedChanges = false);
    KeptSheets store() const { return KeptSheets(m_dir->path()); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void KeptSheetsTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
}

QString KeptSheetsTest::keepClosed(
    const QString& text, const QString& originalPath, int minutesAgo, bool unsavedChanges)
{
    const KeptSheets kept = store();
    std::unique_ptr<KeptSheet> sheet = KeptSheet::claim(kept);
    if (!sheet)
        return {};
    QTextDocument document;
    document.setPlainText(text);
    if (sheet->keep(document, originalPath, unsavedChanges))
        return {};
    const QString id = sheet->id();
    sheet.reset();
    QFile file(kept.sheetFile(id));
    file.open(QIODevice::ReadWrite);
    file.setFileTime(
        QDateTime::currentDateTime().addSecs(-60 * minutesAgo), QFileDevice::FileModificationTime);
    return id;
}

void KeptSheetsTest::closedSheetsComeNewestFirst()
{
    const QString old = keepClosed(QStringLiteral("old"), QString(), 30);
    const QString newest
        = keepClosed(QStringLiteral("newest"), QStringLiteral("/jobs/a.tavilon"), 1, true);
    const QString middle
        = keepClosed(QStringLiteral("middle"), QStringLiteral("/jobs/b.tavilon"), 10);
    QVERIFY(!old.isEmpty() && !newest.isEmpty() && !middle.isEmpty());

    const QList<KeptSheets::Closed> closed = store().closedSheets();
    QCOMPARE(closed.size(), 3);
    QCOMPARE(closed[0].id, newest);
    QCOMPARE(closed[0].originalPath, QStringLiteral("/jobs/a.tavilon"));
    QVERIFY(closed[0].unsavedChanges);
    QCOMPARE(closed[1].id, middle);
    QVERIFY(!closed[1].unsavedChanges);
    QCOMPARE(closed[2].id, old);
    QCOMPARE(closed[2].originalPath, QString());
    QCOMPARE(closed[2].sheetFile, store().sheetFile(old));
}

void KeptSheetsTest::aHeldSheetIsNotOffered()
{
    const KeptSheets kept = store();
    std::unique_ptr<KeptSheet> held = KeptSheet::claim(kept);
    QVERIFY(held);
    QTextDocument document;
    QVERIFY(!held->keep(document, QString(), false));
    QVERIFY(store().closedSheets().isEmpty());
    // Nor can another window take it.
    QVERIFY(!KeptSheet::claim(kept, held->id()));

    const QString id = held->id();
    held.reset();
    QCOMPARE(store().closedSheets().size(), 1);
    QVERIFY(KeptSheet::claim(kept, id));
}

void KeptSheetsTest::aSheetLeftByACrashCountsAsClosed()
{
    const QString id = keepClosed(QStringLiteral("report"), QString(), 5);
    // The lock of a process that is gone: its number, its name, its host.
    QFile lock(store().lockFile(id));
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write("2147483646\ntavilon\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    QCOMPARE(store().closedSheets().size(), 1);
    QVERIFY(KeptSheet::claim(store(), id));
}

void KeptSheetsTest::pruningKeepsTheTenLatest()
{
    QStringList ids; // the oldest first
    for (int i = 0; i < 11; ++i)
        ids << keepClosed(
            QStringLiteral("sheet %1").arg(i), QStringLiteral("/jobs/%1.tavilon").arg(i), 60 - i);
    store().prune();
    const QList<KeptSheets::Closed> closed = store().closedSheets();
    QCOMPARE(closed.size(), KeptSheets::kClosedSheetsKept);
    QCOMPARE(closed.constLast().id, ids[1]);
    QVERIFY(!QFile::exists(store().sheetFile(ids[0])));
    QVERIFY(!QFile::exists(store().originFile(ids[0])));
}

void KeptSheetsTest::noFolderNoKeeping()
{
    // Tests run as root, so permission bits prove nothing: a file stands where the
    // folder would go.
    const QString blocked = m_dir->filePath(QStringLiteral("file"));
    QFile file(blocked);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(!KeptSheet::claim(KeptSheets(blocked + QStringLiteral("/kept"))));
    QVERIFY(KeptSheets(blocked + QStringLiteral("/kept")).closedSheets().isEmpty());
}

TAVILON_WIDGET_TEST_MAIN(KeptSheetsTest)
#include "kept_sheets_test.moc"
