#include "conduit/conduit_sizer_page.h"
#include "find_control.h"
#include "message_box_catcher.h"
#include "test_main.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

class ConduitSizerPageTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opensInDesignState();
    void captionsFitTheirControls();
    void calculatesFromTypedAndChosenSizes();
    void sizeTextCountsOnlyAsTyped();
    void sizeLineSaysWhenNothingFits();
    void linesOfEmptiedGroupsVanish();
    void resetRestoresInputsAndKeepsSummary();
    void printFollowsTheResult();
    void refusesAnInvalidCount_data();
    void refusesAnInvalidCount();

private:
    // The page's controls. A missing one fails the test at the line that asked for it.
    template<typename T>
    T* control(
        const QString& name, std::source_location where = std::source_location::current()) const
    {
        return testsupport::findControl<T>(m_page, name, where);
    }
    QComboBox* size(int i, std::source_location where = std::source_location::current()) const
    {
        return control<QComboBox>(QStringLiteral("cbCondWireSize(%1)").arg(i), where);
    }
    QLineEdit* count(int i, std::source_location where = std::source_location::current()) const
    {
        return control<QLineEdit>(QStringLiteral("txCondWireNumber(%1)").arg(i), where);
    }
    QRadioButton* option(int i, std::source_location where = std::source_location::current()) const
    {
        return control<QRadioButton>(QStringLiteral("Option1(%1)").arg(i), where);
    }
    QLabel* label(
        const QString& name, std::source_location where = std::source_location::current()) const
    {
        return control<QLabel>(name, where);
    }
    QLabel* line(int i, std::source_location where = std::source_location::current()) const
    {
        return label(QStringLiteral("lblCalc(%1)").arg(i), where);
    }
    QString text(
        const char* name, std::source_location where = std::source_location::current()) const
    {
        return label(QLatin1String(name), where)->text();
    }

    [[nodiscard]] bool choose(int group, const QString& item);
    void typeSize(int group, const QString& text);
    void typeCount(int group, const QString& text);
    [[nodiscard]] bool chooseThw(int group);
    void click(const char* button, std::source_location where = std::source_location::current());
    QStringList lines() const;

    QPointer<ConduitSizerPage> m_page;
};

void ConduitSizerPageTest::init()
{
    m_page = new ConduitSizerPage;
    // The size of the page in the main window's tab control.
    m_page->resize(582, 400);
    m_page->show();
    m_page->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_page));
}

void ConduitSizerPageTest::cleanup()
{
    delete m_page;
}

// Clicks the item in the open list with the mouse, and sees it shown in the box.
bool ConduitSizerPageTest::choose(int group, const QString& item)
{
    QComboBox* box = size(group);
    const QString name = box->objectName();
    const int index = box->findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) {
        qWarning("%s has no item \"%s\"", qPrintable(name), qPrintable(item));
        return false;
    }
    box->showPopup();
    QAbstractItemView* list = box->view();
    if (!QTest::qWaitFor([list] { return list->isVisible(); })) {
        qWarning("the drop-down of %s did not open", qPrintable(name));
        return false;
    }
    list->scrollTo(list->model()->index(index, 0));
    const QRect itemRect = list->visualRect(list->model()->index(index, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, itemRect.center());
    if (!QTest::qWaitFor([list] { return !list->isVisible(); })) {
        qWarning("the drop-down of %s did not close on the click", qPrintable(name));
        return false;
    }
    if (box->currentText() != item) {
        qWarning("%s shows \"%s\" after a click on \"%s\"", qPrintable(name),
            qPrintable(box->currentText()), qPrintable(item));
        return false;
    }
    return true;
}

void ConduitSizerPageTest::typeSize(int group, const QString& text)
{
    QLineEdit* edit = size(group)->lineEdit();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

void ConduitSizerPageTest::typeCount(int group, const QString& text)
{
    QLineEdit* edit = count(group);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

bool ConduitSizerPageTest::chooseThw(int group)
{
    QRadioButton* thw = option(2 * group + 1);
    QTest::mouseClick(thw, Qt::LeftButton);
    if (!thw->isChecked()) {
        qWarning("%s is not checked after a click", qPrintable(thw->objectName()));
        return false;
    }
    return true;
}

void ConduitSizerPageTest::click(const char* button, std::source_location where)
{
    QTest::mouseClick(control<QPushButton>(QLatin1String(button), where), Qt::LeftButton);
}

QStringList ConduitSizerPageTest::lines() const
{
    QStringList texts;
    for (int i = 0; i < 10; ++i)
        texts << line(i)->text();
    return texts;
}

void ConduitSizerPageTest::opensInDesignState()
{
    QCOMPARE(control<QGroupBox>("Frame8")->title(), QStringLiteral("Wire Data"));
    QCOMPARE(
        control<QGroupBox>("Frame9")->title(), QStringLiteral("Conduit Calculation - 40% Fill"));
    QCOMPARE(control<QPushButton>("cmdReset")->text(), QStringLiteral("Reset Data"));
    QCOMPARE(
        control<QPushButton>("cmdCalcCondSize")->text(), QStringLiteral("Calculate Conduit Size"));
    QCOMPARE(text("Label10"), QStringLiteral("Select Size of Wire"));
    QCOMPARE(text("Label11"), QStringLiteral("Enter   Number wires"));
    QCOMPARE(text("Label23"), QStringLiteral(" THHN   THW"));

    const QStringList items {"   18 awg", "   16 awg", "   14 awg", "   12 awg", "   10 awg",
        "     8 awg", "     6 awg", "     4 awg", "     3 awg", "     2 awg", "     1 awg",
        "  1/0 awg", "  2/0 awg", "  3/0 awg", "  4/0 awg", "  250 kcmil", "  300 kcmil",
        "  350 kcmil", "  400 kcmil", "  500 kcmil", "  600 kcmil", "  700 kcmil", "  750 kcmil",
        "  800 kcmil", "  900 kcmil", "1000 kcmil"};
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(label(QStringLiteral("Label%1").arg(13 + i))->text(), QString::number(i + 1));
        QCOMPARE(label(QStringLiteral("Label9(%1)").arg(i))->text(),
            QStringLiteral("Group %1:").arg(i + 1));
        QComboBox* box = size(i);
        QVERIFY(box->isEditable());
        QCOMPARE(box->insertPolicy(), QComboBox::NoInsert);
        QStringList listed;
        for (int item = 0; item < box->count(); ++item)
            listed << box->itemText(item);
        QCOMPARE(listed, items);
        QCOMPARE(box->currentIndex(), -1);
        QCOMPARE(box->currentText(), QString());
        QCOMPARE(count(i)->text(), QStringLiteral("0"));
        QVERIFY(option(2 * i)->isChecked());
        QVERIFY(!option(2 * i + 1)->isChecked());
        QCOMPARE(option(2 * i)->text(), QString());
        QCOMPARE(option(2 * i)->accessibleName(), QStringLiteral("Group %1 THHN").arg(i + 1));
        QCOMPARE(line(i)->text(), QString());
        QCOMPARE(line(i)->palette().color(QPalette::Window), QColor(255, 255, 192));
        QVERIFY(line(i)->autoFillBackground());
    }
    QLabel* sizeLine = label(QStringLiteral("Label12"));
    QCOMPARE(sizeLine->text(), QStringLiteral("Conduit Size = "));
    QVERIFY(sizeLine->font().bold());
    QCOMPARE(sizeLine->font().pointSizeF(), 8.25);
    QCOMPARE(sizeLine->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(text("lblTotalArea"), QString());
    QCOMPARE(text("lblDiameter"), QString());

    // Each row's pair is exclusive on its own.
    QVERIFY(chooseThw(2));
    QVERIFY(!option(4)->isChecked());
    for (int i = 0; i < 10; ++i)
        QCOMPARE(option(2 * i)->isChecked(), i != 2);
}

void ConduitSizerPageTest::captionsFitTheirControls()
{
    for (const char* name : {"Frame8", "Frame9"}) {
        auto* frame = control<QGroupBox>(QLatin1String(name));
        QVERIFY2(frame->minimumSizeHint().width() <= frame->width(), name);
    }
    const QStringList labels {"Label10", "Label11", "Label23", "Label12", "Label9(9)", "Label22"};
    for (const QString& name : labels) {
        QLabel* caption = label(name);
        const QRect needed = caption->fontMetrics().boundingRect(
            caption->contentsRect(), Qt::TextWordWrap, caption->text());
        QVERIFY2(needed.width() <= caption->contentsRect().width(), qPrintable(name));
        QVERIFY2(needed.height() <= caption->contentsRect().height(), qPrintable(name));
    }
    // The widest list item fits the size box's text field.
    QLineEdit* field = size(0)->lineEdit();
    QVERIFY(field->fontMetrics().horizontalAdvance(QStringLiteral("1000 kcmil"))
        <= field->contentsRect().width());
    QVERIFY(field->fontMetrics().height() <= field->contentsRect().height());
}

void ConduitSizerPageTest::calculatesFromTypedAndChosenSizes()
{
    QVERIFY(choose(0, QStringLiteral("   12 awg")));
    typeCount(0, QStringLiteral("3"));
    typeSize(1, QStringLiteral("   10 awg"));
    typeCount(1, QStringLiteral("2"));
    QVERIFY(chooseThw(1));
    // A count in a group without a size is never read.
    typeCount(5, QStringLiteral("many"));
    click("cmdCalcCondSize");

    QStringList expected(10);
    expected[0] = QStringLiteral("  12 awg:  0.0117 * 3 = 0.0351");
    expected[1] = QStringLiteral("  10 awg:  0.0252 * 2 = 0.0504");
    QCOMPARE(lines(), expected);
    QCOMPARE(text("lblTotalArea"), QStringLiteral("Area Total: 0.0855"));
    QCOMPARE(text("lblDiameter"), QStringLiteral("Diameter Required: 0.5216841"));
    QCOMPARE(text("Label12"), QStringLiteral("Conduit Size = 1/2 inch"));

    QVERIFY(choose(0, QStringLiteral("  4/0 awg")));
    QVERIFY(choose(1, QStringLiteral("  500 kcmil")));
    typeCount(1, QStringLiteral("4"));
    click("cmdCalcCondSize");
    QCOMPARE(line(0)->text(), QStringLiteral(" 4/0 awg:  0.3278 * 3 = 0.9834"));
    QCOMPARE(line(1)->text(), QStringLiteral(" 500 kcmil:  0.8316 * 4 = 3.3264"));
    QCOMPARE(text("lblTotalArea"), QStringLiteral("Area Total: 4.3098"));
    QCOMPARE(text("lblDiameter"), QStringLiteral("Diameter Required: 3.703848"));
    QCOMPARE(text("Label12"), QStringLiteral("Conduit Size = 4 inch"));
}

void ConduitSizerPageTest::sizeTextCountsOnlyAsTyped()
{
    // Neither the box nor Enter may turn a text that differs by case into the list item.
    typeSize(0, QStringLiteral("1000 KCMIL"));
    QTest::keyClick(size(0)->lineEdit(), Qt::Key_Return);
    typeCount(0, QStringLiteral("1"));
    typeSize(1, QStringLiteral("12 awg"));
    typeCount(1, QStringLiteral("1"));
    typeSize(2, QStringLiteral("1000 kcmil"));
    QTest::keyClick(size(2)->lineEdit(), Qt::Key_Return);
    click("cmdCalcCondSize");

    QCOMPARE(size(0)->currentText(), QStringLiteral("1000 KCMIL"));
    QCOMPARE(size(1)->count(), 26);
    QCOMPARE(line(0)->text(), QString());
    QCOMPARE(line(1)->text(), QString());
    QCOMPARE(line(2)->text(), QStringLiteral("1000 kcmil:  1.3623 * 0 = 0"));
    QCOMPARE(text("lblTotalArea"), QStringLiteral("Area Total: 0"));
}

void ConduitSizerPageTest::sizeLineSaysWhenNothingFits()
{
    click("cmdCalcCondSize");
    QCOMPARE(lines(), QStringList(10));
    QCOMPARE(text("lblTotalArea"), QStringLiteral("Area Total: 0"));
    QCOMPARE(text("lblDiameter"), QStringLiteral("Diameter Required: 0"));
    QCOMPARE(text("Label12"), QStringLiteral("Conduit Size = 1/2 inch"));

    QVERIFY(choose(9, QStringLiteral("1000 kcmil")));
    QVERIFY(chooseThw(9));
    typeCount(9, QStringLiteral("10"));
    click("cmdCalcCondSize");
    QCOMPARE(line(9)->text(), QStringLiteral("1000 kcmil:  1.5482 * 10 = 15.482"));
    QCOMPARE(text("lblTotalArea"), QStringLiteral("Area Total: 15.482"));
    QCOMPARE(text("lblDiameter"), QStringLiteral("Diameter Required: 7.020016"));
    // No earlier size stays on show beside a diameter that no conduit has.
    QCOMPARE(text("Label12"), QStringLiteral("Conduit Size = over 6 inch"));
    QCOMPARE(label(QStringLiteral("Label12"))->accessibleDescription(), text("Label12"));

    click("cmdReset");
    QCOMPARE(text("Label12"), QStringLiteral("Conduit Size = over 6 inch"));
}

void ConduitSizerPageTest::linesOfEmptiedGroupsVanish()
{
    QVERIFY(choose(0, QStringLiteral("     1 awg")));
    typeCount(0, QStringLiteral("2"));
    QVERIFY(choose(4, QStringLiteral("   14 awg")));
    typeCount(4, QStringLiteral("5"));
    click("cmdCalcCondSize");
    QCOMPARE(line(0)->text(), QStringLiteral("   1 awg:  0.159 * 2 = 0.318"));
    QCOMPARE(line(4)->text(), QStringLiteral("  14 awg:  0.0087 * 5 = 0.0435"));

    typeSize(0, QString());
    click("cmdCalcCondSize");
    QCOMPARE(line(0)->text(), QString());
    QCOMPARE(line(4)->text(), QStringLiteral("  14 awg:  0.0087 * 5 = 0.0435"));
    QCOMPARE(text("lblTotalArea"), QStringLiteral("Area Total: 0.0435"));
}

void ConduitSizerPageTest::resetRestoresInputsAndKeepsSummary()
{
    QVERIFY(choose(0, QStringLiteral("  250 kcmil")));
    QVERIFY(chooseThw(0));
    typeCount(0, QStringLiteral("3"));
    typeSize(3, QStringLiteral("     6 awg"));
    QTest::keyClick(size(3)->lineEdit(), Qt::Key_Return);
    typeCount(3, QStringLiteral("4"));
    typeSize(6, QStringLiteral("no such size"));
    QVERIFY(chooseThw(7));
    click("cmdCalcCondSize");
    const QString total = text("lblTotalArea");
    const QString diameter = text("lblDiameter");
    const QString conduit = text("Label12");
    QCOMPARE(total, QStringLiteral("Area Total: 1.6707"));

    click("cmdReset");
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(count(i)->text(), QStringLiteral("0"));
        QCOMPARE(size(i)->currentText(), QString());
        QCOMPARE(size(i)->currentIndex(), -1);
        QCOMPARE(size(i)->count(), 26);
        QVERIFY(option(2 * i)->isChecked());
        QVERIFY(!option(2 * i + 1)->isChecked());
    }
    QCOMPARE(lines(), QStringList(10));
    QCOMPARE(text("lblTotalArea"), total);
    QCOMPARE(text("lblDiameter"), diameter);
    QCOMPARE(text("Label12"), conduit);
}

void ConduitSizerPageTest::printFollowsTheResult()
{
    auto* print = control<QPushButton>(QStringLiteral("cmdCondPrint"));
    QCOMPARE(print->text(), QStringLiteral("Print"));
    QCOMPARE(print->geometry().topLeft(), QPoint(533, 360)); // 7995, 5760 twips less the tabs
    QVERIFY(!print->isEnabled());
    QSignalSpy printed(m_page.data(), &ConduitSizerPage::printRequested);

    QVERIFY(choose(0, QStringLiteral("   12 awg")));
    typeCount(0, QStringLiteral("3"));
    click("cmdCalcCondSize");
    QVERIFY(print->isEnabled());
    // After the calculate button in the keyboard's order.
    QCOMPARE(control<QPushButton>(QStringLiteral("cmdCalcCondSize"))->nextInFocusChain(), print);
    click("cmdCondPrint");
    QCOMPARE(printed.count(), 1);
    const ConduitResultCaptions captions = m_page->resultCaptions();
    QCOMPARE(QString::fromStdString(captions.GroupLines[0]), line(0)->text());
    QVERIFY(!captions.GroupLines[0].empty());
    QCOMPARE(QString::fromStdString(captions.ConduitSize), text("Label12"));

    click("cmdReset");
    QVERIFY(!print->isEnabled());
    click("cmdCalcCondSize");
    QVERIFY(print->isEnabled());
}

void ConduitSizerPageTest::refusesAnInvalidCount_data()
{
    QTest::addColumn<QString>("badCount");
    QTest::newRow("fraction") << "2.5";
    QTest::newRow("negative") << "-2";
    QTest::newRow("not a number") << "two";
    QTest::newRow("empty") << "";
    QTest::newRow("too large") << "40000";
}

void ConduitSizerPageTest::refusesAnInvalidCount()
{
    QFETCH(QString, badCount);
    QVERIFY(choose(0, QStringLiteral("   12 awg")));
    typeCount(0, QStringLiteral("3"));
    click("cmdCalcCondSize");
    const QStringList before = lines();
    const QString total = text("lblTotalArea");

    QVERIFY(choose(2, QStringLiteral("     4 awg")));
    typeCount(2, badCount);
    QVERIFY(choose(5, QStringLiteral("     4 awg")));
    typeCount(5, QStringLiteral("1.5"));
    size(0)->setFocus();
    MessageBoxCatcher catcher;
    click("cmdCalcCondSize");

    QCOMPARE(catcher.count(), 1);
    QCOMPARE(catcher.last().title, QStringLiteral("Invalid Number of Wires"));
    QCOMPARE(
        catcher.last().text, QStringLiteral("Please enter a valid number of wires for group 3."));
    QCOMPARE(catcher.last().icon, QMessageBox::Information);
    QCOMPARE(catcher.last().buttons, QList<QMessageBox::StandardButton> {QMessageBox::Ok});
    QCOMPARE(lines(), before);
    QCOMPARE(text("lblTotalArea"), total);
    QCOMPARE(text("Label12"), QStringLiteral("Conduit Size = 1/2 inch"));
    QTRY_COMPARE(m_page->focusWidget(), count(2));
}

TAVILON_WIDGET_TEST_MAIN(ConduitSizerPageTest)
#include "conduit_sizer_page_test.moc"
