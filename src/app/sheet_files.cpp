#include "app/sheet_files.h"

#include "sheet/calc_sheet.h"
#include "sheet/sheet_document_io.h"
#include "ui/menus.h"
#include "ui/message_box.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>
#include <QSettings>
#include <QTextDocument>

namespace {

const QString kRecentKey = QStringLiteral("sheets/recent");

QSettings settings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tavilon"));
}

void refuse(const QString& path, const QString& reason)
{
    ui::showMessage(QApplication::activeWindow(),
        QStringLiteral("%1 cannot be opened. %2").arg(QDir::toNativeSeparators(path), reason),
        QStringLiteral("Sheet Not Opened"), MessageKind::Exclamation);
}

} // namespace

SheetFiles::SheetFiles(KeptSheets keptSheets, SheetWindow sheetWindow, QObject* parent)
    : QObject(parent)
    , m_keptSheets(std::move(keptSheets))
    , m_sheetWindow(std::move(sheetWindow))
{
    // Held here and added to each window's File menu, which holds none of them.
    m_open = ui::makeAction(this, "actionOpenSheet", QStringLiteral("&Open Sheet\u2026"),
        "document-open", QKeySequence::Open);
    connect(m_open, &QAction::triggered, this,
        [this] { openFromDialog(QApplication::activeWindow()); });
    m_recent = new QMenu(QStringLiteral("Recent &Sheets"));
    m_recent->setObjectName(QStringLiteral("menuRecentSheets"));
    m_recent->menuAction()->setIcon(QIcon::fromTheme(QStringLiteral("document-open-recent")));
    connect(m_recent, &QMenu::aboutToShow, this, &SheetFiles::fillRecentMenu);
    m_reopenClosed = ui::makeAction(
        this, "actionReopenClosedSheet", QStringLiteral("Reopen &Closed Sheet"), "document-revert");
    connect(m_reopenClosed, &QAction::triggered, this, &SheetFiles::reopenClosed);

    m_keptSheets.prune();
}

SheetFiles::~SheetFiles()
{
    delete m_recent;
}

void SheetFiles::openFromDialog(QWidget* parent)
{
    QFileDialog dialog(parent, QStringLiteral("Open Sheet"));
    dialog.setObjectName(QStringLiteral("openDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(
        {QStringLiteral("Tavilon sheets (*.tavilon)"), QStringLiteral("All files (*)")});
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        open(dialog.selectedFiles().constFirst());
}

bool SheetFiles::open(const QString& path)
{
    if (CalcSheet* sheet = m_sheetWindow.current(); sheet && !sheet->maybeSave())
        return false;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (!load(absolute, absolute, absolute, false, nullptr))
        return false;
    rememberFile(absolute);
    return true;
}

bool SheetFiles::reopenClosed()
{
    const QList<KeptSheets::Closed> closed = m_keptSheets.closedSheets();
    return !closed.isEmpty() && reopen(closed.constFirst());
}

bool SheetFiles::reopen(const KeptSheets::Closed& closed)
{
    std::unique_ptr<KeptSheet> kept = KeptSheet::claim(m_keptSheets, closed.id);
    if (!kept) {
        refuse(closed.sheetFile, QStringLiteral("Another window holds it."));
        return false;
    }
    return load(closed.sheetFile, closed.sheetFile, closed.originalPath, closed.unsavedChanges,
        std::move(kept));
}

bool SheetFiles::load(const QString& sheetFile, const QString& shownPath,
    const QString& originalPath, bool unsavedChanges, std::unique_ptr<KeptSheet> kept)
{
    auto opened = std::make_unique<QTextDocument>();
    if (const std::optional<QString> refused = openSheet(sheetFile, opened.get())) {
        refuse(shownPath, *refused);
        return false;
    }
    CalcSheet* sheet = m_sheetWindow.show();
    sheet->replaceWith(std::move(opened), originalPath, unsavedChanges, std::move(kept));
    return true;
}

QStringList SheetFiles::recentFiles() const
{
    return settings().value(kRecentKey).toStringList();
}

void SheetFiles::rememberFile(const QString& path)
{
    QStringList files = recentFiles();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > kRecentFiles)
        files.removeLast();
    settings().setValue(kRecentKey, files);
}

// The user's files first, then the sheets closed lately, each named as the user knows it.
void SheetFiles::fillRecentMenu()
{
    m_recent->clear();
    int index = 0;
    for (const QString& path : recentFiles()) {
        QAction* action = m_recent->addAction(QFileInfo(path).fileName());
        action->setObjectName(QStringLiteral("actionRecentSheet(%1)").arg(index++));
        action->setToolTip(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] { open(path); });
    }
    const QList<KeptSheets::Closed> closed = m_keptSheets.closedSheets();
    if (!closed.isEmpty())
        m_recent->addSeparator();
    index = 0;
    for (const KeptSheets::Closed& sheet : closed) {
        const QString when = QLocale().toString(sheet.closedAt, QLocale::ShortFormat);
        const QString name = sheet.originalPath.isEmpty()
            ? QStringLiteral("Sheet closed %1").arg(when)
            : QStringLiteral("%1, closed %2").arg(QFileInfo(sheet.originalPath).fileName(), when);
        QAction* action = m_recent->addAction(name);
        action->setObjectName(QStringLiteral("actionClosedSheet(%1)").arg(index++));
        connect(action, &QAction::triggered, this, [this, sheet] { reopen(sheet); });
    }
    if (m_recent->isEmpty()) {
        QAction* none = m_recent->addAction(QStringLiteral("No recent sheets"));
        none->setObjectName(QStringLiteral("actionNoRecentSheets"));
        none->setEnabled(false);
    }
}
