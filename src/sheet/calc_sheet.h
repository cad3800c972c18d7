#pragma once

// Calc_Sheet, the Calculation Results Sheet: one editable rich-text record to which the
// calculators append their reports, and from which the user prints.

#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QWidget>

#include <functional>

class QPrinter;
class QPushButton;
class QTextEdit;

class CalcSheet : public QWidget
{
    Q_OBJECT
public:
    explicit CalcSheet(QWidget* parent = nullptr);

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
    // another. Cancelling the dialog prints nothing.
    void PrintSheet();

    QTextEdit* document() const { return m_document; }

signals:
    void showMainWindowRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void appendPlainText(const QString& text);
    void appendFragment(const QTextDocumentFragment& fragment);
    QTextCursor insertionPointAtEnd();
    void layOut();

    QTextEdit* m_document = nullptr;
    QPushButton* m_showMain = nullptr;
    QPushButton* m_close = nullptr;
    QPushButton* m_print = nullptr;
    std::function<QTextDocumentFragment()> m_voltageDropResults;
};
