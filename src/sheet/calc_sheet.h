#pragma once

// Calc_Sheet, the Calculation Results Sheet: one editable rich-text record to which the
// calculators append their reports, and from which the user prints and exports. Its
// designed controls lie below the menu bar.

#include <QKeySequence>
#include <QMainWindow>
#include <QTextCursor>
#include <QTextDocumentFragment>

#include <functional>

class QAction;
class QMenu;
class QPushButton;
class QTextEdit;

// The File menu's items that the main window offers too: one action for both windows.
struct SharedSheetActions
{
    QAction* open = nullptr;
    QMenu* recent = nullptr;
    QAction* reopenClosed = nullptr;
};

class CalcSheet : public QMainWindow
{
    Q_OBJECT
public:
    explicit CalcSheet(const SharedSheetActions& shared = {}, QWidget* parent = nullptr);

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

signals:
    void showMainWindowRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildMenus(const SharedSheetActions& shared);
    QAction* addAction(QMenu* menu, const char* name, const QString& text, const char* icon,
        QKeySequence::StandardKey key);
    // Asks where to export; empty when the user cancels.
    QString askExportPath(const QString& title, const QString& filter, const QString& suffix);
    void refuseExport(const QString& path, const QString& reason);
    int menuBarHeight() const;
    void appendPlainText(const QString& text);
    void appendFragment(const QTextDocumentFragment& fragment);
    QTextCursor insertionPointAtEnd();
    void layOut();

    QWidget* m_client = nullptr; // the designed area below the menu bar
    QTextEdit* m_document = nullptr;
    QPushButton* m_showMain = nullptr;
    QPushButton* m_close = nullptr;
    QPushButton* m_print = nullptr;
    QAction* m_saveAction = nullptr;
    QAction* m_saveAsAction = nullptr;
    std::function<QTextDocumentFragment()> m_voltageDropResults;
};
