#pragma once

// Calc_Sheet, the Calculation Results Sheet: one editable rich-text record to which the
// calculators append their reports, and from which the user prints and exports. Its
// designed controls lie below the menu bar.

#include "ui/sheet_file_actions.h"

#include <QMainWindow>
#include <QTextCursor>
#include <QTextDocumentFragment>

#include <functional>
#include <memory>
#include <optional>

class KeptSheet;
class KeptSheets;
class QAction;
class QAction;
class QTextDocument;
class QTimer;
class QMenu;
class QPushButton;
class QTextEdit;

class CalcSheet : public QMainWindow
{
    Q_OBJECT
public:
    // A fresh sheet, from the template. It is kept in `keptSheets`, when given, once it
    // holds more than the template.
    explicit CalcSheet(const ui::SheetFileActions& shared = {},
        const KeptSheets* keptSheets = nullptr, QWidget* parent = nullptr);
    ~CalcSheet() override;

    // Where the voltage-drop results come from when a report is tagged "VD".
    void setVoltageDropResults(std::function<QTextDocumentFragment()> results);

    // Appends a report at the end of the document, in a paragraph of its own: rich text
    // (an HTML document) as it is, anything else as plain text in the character format in
    // effect there. The tag "VD" then appends the voltage-drop results and their notes.
    // The sheet's insertion point ends after the report, and Undo takes the report back
    // as one step.
    void printRTF(const QString& text, const QString& tag);

    // Prints the selection, or the whole document when nothing is selected, through the
    // print dialog, on Letter paper in U.S. locales and A4 elsewhere unless the user picks
    // another, each page with its footer. Cancelling the dialog prints nothing.
    void PrintSheet();

    // The whole sheet as a PDF file, the pages printing gives, or as an OpenDocument Text
    // file. A file that cannot be written is said so in a message naming it and the reason;
    // true when it was written.
    bool exportPdf(const QString& path);
    bool exportOdt(const QString& path);

    QTextEdit* document() const { return m_document; }

    // The user's file the sheet was opened from or last saved to; empty for a sheet never
    // saved.
    QString filePath() const { return m_filePath; }

    // File ▸ Save and Save As. False when the user cancels, or when the file could not be
    // written, which a message says naming the file and the reason; the file is then as
    // it was.
    bool save();
    bool saveAs();
    bool saveTo(const QString& path);

    // Before the sheet on screen gives way to another: a sheet opened or saved with
    // changes not saved since asks whether to save them. False when the user cancels.
    bool maybeSave();

    // Shows `opened`, a sheet read from a file, in place of this sheet, which is kept
    // first. It is the sheet of the user's file `originalPath` (none when empty), with or
    // without changes not saved to it; `kept` is its kept copy, when it has one already.
    void replaceWith(std::unique_ptr<QTextDocument> opened, const QString& originalPath,
        bool unsavedChanges = false, std::unique_ptr<KeptSheet> kept = {});

    // Writes the kept copy now, when the sheet holds more than the template.
    void keep();

signals:
    void showMainWindowRequested();
    // The sheet was opened from or saved to the user's file `path`.
    void fileUsed(const QString& path);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus(const ui::SheetFileActions& shared);
    // Asks where to export; empty when the user cancels.
    QString askExportPath(const QString& title, const QString& filter, const QString& suffix);
    void refuseExport(const QString& path, const QString& reason);
    void appendPlainText(const QString& text);
    void appendFragment(const QTextDocumentFragment& fragment);
    QTextCursor insertionPointAtEnd();
    void layOut();
    void adoptDocument(QTextDocument* document);
    void updateCaption();
    bool holdsMoreThanTemplate() const;

    QWidget* m_client = nullptr; // the designed area below the menu bar
    QTextEdit* m_document = nullptr;
    QPushButton* m_showMain = nullptr;
    QPushButton* m_close = nullptr;
    QPushButton* m_print = nullptr;
    std::function<QTextDocumentFragment()> m_voltageDropResults;
    QString m_filePath;
    bool m_freshFromTemplate = true;
    const KeptSheets* m_keptSheets = nullptr;
    std::unique_ptr<KeptSheet> m_kept;
    QTimer* m_keepAfterTyping = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
};
