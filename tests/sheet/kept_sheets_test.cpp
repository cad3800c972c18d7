#include "sheet/kept_sheets.h"
#include "test_main.h"

#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTextDocument>

// The store on its own; sheet_files_test closes and reopens kept sheets through the windows.
class KeptSheetsTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void aHeldSheetIsNotOffered();
    void aSheetLeftByACrashCountsAsClosed();
    void pruningDeletesAllOfASheet();
    void noFolderNoKeeping();

private:
    // A sheet kept by a window that then closed, `minutesAgo`.
    QString keepClosed(int minutesAgo)
    {
        std::unique_ptr<KeptSheet> sheet = KeptSheet::claim(store());
        if (!sheet || sheet->keep(QTextDocument(), QStringLiteral("/jobs/a.tavilon"), true))
            return {};
        const QString id = sheet->id();
        sheet.reset();
        QFile file(store().sheetFile(id));
        file.open(QIODevice::ReadWrite);
        file.setFileTime(QDateTime::currentDateTime().addSecs(-60 * minutesAgo),
            QFileDevice::FileModificationTime);
        return id;
    }
    KeptSheets store() const { return KeptSheets(m_dir->path()); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void KeptSheetsTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
}

void KeptSheetsTest::aHeldSheetIsNotOffered()
{
    std::unique_ptr<KeptSheet> held = KeptSheet::claim(store());
    QVERIFY(held);
    QVERIFY(!held->keep(QTextDocument(), QString(), false));
    QVERIFY(store().closedSheets().isEmpty());
    QVERIFY(!KeptSheet::claim(store(), held->id())); // nor can another window take it

    const QString id = held->id();
    held.reset();
    QCOMPARE(store().closedSheets().value(0).id, id);
    QVERIFY(KeptSheet::claim(store(), id));
}

void KeptSheetsTest::aSheetLeftByACrashCountsAsClosed()
{
    const QString id = keepClosed(5);
    QVERIFY(!id.isEmpty());
    // The lock of a process that is gone: its number, its name, its host.
    QFile lock(store().lockFile(id));
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write("2147483646\ntavilon\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    QCOMPARE(store().closedSheets().size(), 1);
    QVERIFY(KeptSheet::claim(store(), id));
}

void KeptSheetsTest::pruningDeletesAllOfASheet()
{
    QStringList ids; // the oldest first
    for (int i = 0; i <= KeptSheets::kClosedSheetsKept; ++i)
        ids << keepClosed(60 - i);
    store().prune(); // which ones go, sheet_files_test tries through the windows
    QVERIFY(!QFile::exists(store().sheetFile(ids[0])));
    QVERIFY(!QFile::exists(store().originFile(ids[0])));
    QVERIFY(QFile::exists(store().originFile(ids[1])));
}

void KeptSheetsTest::noFolderNoKeeping()
{
    // Tests run as root, so permission bits prove nothing: a file stands where the folder
    // would go.
    QFile file(m_dir->filePath(QStringLiteral("file")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const KeptSheets blocked(file.fileName() + QStringLiteral("/kept"));
    QVERIFY(!KeptSheet::claim(blocked));
    QVERIFY(blocked.closedSheets().isEmpty());
}

TAVILON_WIDGET_TEST_MAIN(KeptSheetsTest)
#include "kept_sheets_test.moc"
