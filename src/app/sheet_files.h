#pragma once

// The results sheet's files, as both windows' File menus offer them: Open Sheet, Recent
// Sheets (the files the user opened or saved, and the sheets closed lately) and Reopen
// Closed Sheet. The actions exist once and are added to both menus.

#include "sheet/kept_sheets.h"
#include "ui/sheet_file_actions.h"

#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>

class CalcSheet;
class QAction;
class QWidget;

class SheetFiles : public QObject
{
    Q_OBJECT
public:
    static constexpr int kRecentFiles = 10;

    // The sheet window, as the program holds it: the one open, if any, and bringing it up,
    // made fresh from the template when there is none.
    struct SheetWindow
    {
        std::function<CalcSheet*()> current;
        std::function<CalcSheet*()> show;
    };

    SheetFiles(KeptSheets keptSheets, SheetWindow sheetWindow, QObject* parent = nullptr);
    ~SheetFiles() override;

    ui::SheetFileActions actions() const { return {m_open, m_recent, m_reopenClosed}; }
    const KeptSheets& keptSheets() const { return m_keptSheets; }

    // File ▸ Open Sheet: asks for a file. `parent` is the window the dialog belongs to.
    void openFromDialog(QWidget* parent);
    // Puts the sheet file at `path` into the sheet window, creating it if need be. A sheet
    // on screen with changes not saved to its file asks first; one never saved is kept.
    // False when the user cancels, or when the file is refused, which a message says
    // naming the file and the reason; nothing on screen changes then.
    bool open(const QString& path);
    // File ▸ Reopen Closed Sheet: the sheet closed last, as it was.
    bool reopenClosed();

    // The files the user opened or saved, the most recent first.
    QStringList recentFiles() const;
    void rememberFile(const QString& path);

private:
    bool reopen(const KeptSheets::Closed& closed);
    // Reads the sheet file into the sheet window, the sheet on screen kept first. A file
    // that is refused is said so, naming `shownPath`.
    bool load(const QString& sheetFile, const QString& shownPath, const QString& originalPath,
        bool unsavedChanges, std::unique_ptr<KeptSheet> kept);
    void fillRecentMenu();

    KeptSheets m_keptSheets;
    SheetWindow m_sheetWindow;
    QAction* m_open = nullptr;
    // A widget, so not a child of this object: deleted with it, unless deleted before.
    QPointer<QMenu> m_recent;
    QAction* m_reopenClosed = nullptr;
};
