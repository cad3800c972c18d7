// A seeded monkey: thousands of random user actions on the real windows, checking after
// each one that the program is alive and keeps a few promises.
//   TAVILON_MONKEY_ACTIONS  number of actions (default 2000)
//   TAVILON_MONKEY_SEED     seed of the random choices (default 20261208)

#include "app/main_window.h"
#include "app/program_windows.h"
#include "message_box_catcher.h"
#include "sheet/calc_sheet.h"
#include "test_main.h"
#include "user_actions.h"
#include "voltage_drop/voltage_drop_calculator.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolButton>

#include <deque>

namespace {

// Every text a message box of the program may show.
const QStringList kMessageTexts {
    "Please enter a valid load for the calculation.",
    "Please enter a valid length for the wire.",
    "Please enter a valid percent voltage drop.",
    "Please enter a valid source voltage.",
    "Please enter a valid number of wires per phase.",
    "Please select a NEC wire size from the drop down box.",
    "NEC requires 1/0 or larger for parallel wires.",
    "Power Factor must be greater than 0.1",
    "Power Factor must be at 99.9 or 100",
    "No conductor size carries this load within 100 parallel sets per phase.",
    "The NEC does not offer valid current ratings for\r#18, #16 and #14 aluminum wire...\r\r"
    "Please choose 90C cooper for #18 and #16\rremote control circuits or lighting taps.",
    "The NEC does not offer valid current ratings for\r#18 and #16 75C cooper wire...\r\r"
    "Please choose 90C cooper for #18 and #16\rremote control circuits or lighting taps.",
};
const QRegularExpression kMessagePatterns(
    QStringLiteral("^(The load is -?\\d+\\.\\d\\d amps, but the wire only carries \\d+ amps!"
                   "|Please enter a valid number of wires for group (10|[1-9])\\."
                   "|Please enter a valid value for (KVA|% Z|Primary Volts|Line-Line Voltage|"
                   "Available Fault Current|Wires Per Phase|Length of run in feet)\\.)$"));

// What engineers type, and what they paste by mistake.
const QStringList kHostileTexts {"1,2,3", "  ", "1e308", "-0", QString::fromUtf8("\u0663"),
    "1234567890123456789012345678901234567890", "The load is 20 amps.\nThank you.", "-1", "0",
    "0.0", "99999", "32767", "32768", "1e-320", "<b>5</b>", "&amp;", "2.5", "13,000", "1,00", ".",
    "-", "1e", "nan", "inf", "100", "480", "277", "120", "12", "48", "85", "101", "0.05",
    QString::fromUtf8("\u00bd"), QString(300, u'9')};

// Types one character as a key press, whatever the character.
void typeCharacter(QWidget* widget, QChar c)
{
    if (c == u'\n') {
        QTest::keyClick(widget, Qt::Key_Return);
        return;
    }
    QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

class Monkey
{
public:
    Monkey(quint64 seed, const QString& pdfDirectory)
        : m_random(seed)
        , m_windows(m_calculator)
        , m_pdfDirectory(pdfDirectory)
    {
        QObject::connect(&m_printAnswer, &QTimer::timeout, [this] { answerPrintDialog(); });
        m_printAnswer.start(5);
    }

    ~Monkey() { testsupport::deleteTopLevelWindows(); }

    // Shows the main window; false when it does not come up.
    [[nodiscard]] bool start() { return QTest::qWaitForWindowExposed(m_windows.showMainWindow()); }

    // Runs one action and checks the promises; false (with a reason) when one is broken.
    bool step(QString* failure);
    QString recentActions() const;
    QString summary() const;

private:
    int below(int n) { return static_cast<int>(m_random.bounded(n)); }
    bool chance(int percent) { return below(100) < percent; }
    MainWindow* main() const { return m_windows.mainWindow(); }
    template<typename T>
    QList<T*> usable(QWidget* within) const;
    template<typename T>
    T* find(const char* name) const
    {
        return main() ? main()->findChild<T*>(QLatin1String(name)) : nullptr;
    }
    QString randomText();
    void note(const QString& action);

    void clickAButton();
    void typeIntoABox();
    void chooseFromAList();
    void changePage();
    void calculate();
    void useAbout();
    void useSheet();
    [[nodiscard]] bool exitAndComeBack(QString* failure);
    void answerPrintDialog();
    bool check(QString* failure);

    QRandomGenerator m_random;
    VoltageDropCalculator m_calculator;
    ProgramWindows m_windows;
    MessageBoxCatcher m_messages;
    QTimer m_printAnswer;
    QString m_pdfDirectory;
    int m_prints = 0;
    int m_calculations = 0;
    int m_voltageDropResults = 0;
    int m_restarts = 0;
    int m_checkedMessages = 0;
    bool m_resultComputed = false; // an AC result or a search result has been shown
    bool m_fixedSizeResultShown = false;
    std::deque<QString> m_recent;
};

template<typename T>
QList<T*> Monkey::usable(QWidget* within) const
{
    QList<T*> widgets;
    if (!within)
        return widgets;
    for (T* widget : within->findChildren<T*>())
        if (widget->isVisible() && widget->isEnabled())
            widgets << widget;
    return widgets;
}

QString Monkey::randomText()
{
    switch (below(3)) {
    case 0:
        return kHostileTexts[below(kHostileTexts.size())];
    case 1: {
        static const QString numberish = QStringLiteral("0123456789012345678.,-+e ");
        QString text;
        for (int i = below(8) + 1; i > 0; --i)
            text += numberish[below(numberish.size())];
        return text;
    }
    default: {
        // Letters and digits of other scripts, fractions, symbols and blanks.
        static const char16_t ranges[][2] = {{0x20, 0x7e}, {0xa0, 0x17f}, {0x391, 0x3c9},
            {0x410, 0x44f}, {0x660, 0x669}, {0x2000, 0x206f}, {0xff10, 0xff19}};
        QString text;
        for (int i = below(6) + 1; i > 0; --i) {
            const auto& range = ranges[below(std::size(ranges))];
            text += QChar(char16_t(range[0] + below(range[1] - range[0] + 1)));
        }
        return text;
    }
    }
}

QString Monkey::summary() const
{
    return QStringLiteral("%1 calculations (%2 voltage-drop results shown), %3 messages, "
                          "%4 print dialogs, %5 restarts")
        .arg(m_calculations)
        .arg(m_voltageDropResults)
        .arg(m_messages.count())
        .arg(m_prints)
        .arg(m_restarts);
}

void Monkey::note(const QString& action)
{
    m_recent.push_back(action);
    if (m_recent.size() > 12)
        m_recent.pop_front();
}

QString Monkey::recentActions() const
{
    QString text;
    for (const QString& action : m_recent)
        text += QStringLiteral("\n  ") + action;
    return text;
}

void Monkey::clickAButton()
{
    QList<QAbstractButton*> buttons = usable<QAbstractButton>(main());
    buttons.removeIf([](QAbstractButton* button) {
        return button->objectName() == QLatin1String("cmdExit(1)");
    });
    if (buttons.isEmpty())
        return;
    QAbstractButton* button = buttons[below(buttons.size())];
    note(QStringLiteral("click %1").arg(button->objectName()));
    if (button->objectName() == QLatin1String("btnCalculate")) {
        calculate();
        return;
    }
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

void Monkey::typeIntoABox()
{
    QList<QLineEdit*> boxes = usable<QLineEdit>(main());
    if (boxes.isEmpty())
        return;
    QLineEdit* box = boxes[below(boxes.size())];
    const QString text = randomText();
    note(QStringLiteral("type %1 into %2")
             .arg(text.left(40),
                 box->objectName().isEmpty() ? box->parentWidget()->objectName()
                                             : box->objectName()));
    QPointer<QLineEdit> guard(box);
    box->setFocus();
    if (chance(60))
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    for (const QChar c : text) {
        if (!guard || !guard->isVisible() || !guard->isEnabled())
            break;
        typeCharacter(guard, c);
    }
    if (guard && chance(20))
        QTest::keyClick(guard, Qt::Key_Return);
}

void Monkey::chooseFromAList()
{
    QList<QComboBox*> lists = usable<QComboBox>(main());
    if (lists.isEmpty())
        return;
    QComboBox* list = lists[below(lists.size())];
    if (list->count() == 0)
        return;
    const int item = below(list->count());
    note(QStringLiteral("choose item %1 of %2").arg(item).arg(list->objectName()));
    QPointer<QComboBox> guard(list);
    list->showPopup();
    QAbstractItemView* view = list->view();
    if (!view->isVisible()) {
        list->hidePopup();
        return;
    }
    const QRect cell = view->visualRect(view->model()->index(item, list->modelColumn()));
    if (cell.isValid() && view->viewport()->rect().contains(cell.center()))
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    if (guard && view->isVisible())
        guard->hidePopup();
}

void Monkey::changePage()
{
    QTabBar* bar = main()->tabs()->tabBar();
    const int page = below(bar->count());
    note(QStringLiteral("page %1").arg(page));
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
}

void Monkey::calculate()
{
    auto* button = find<QPushButton>("btnCalculate");
    if (!button || !button->isVisible() || !button->isEnabled()) {
        for (const char* name : {"cmdCalcCondSize", "cmdCalcFault"})
            if (auto* other = find<QPushButton>(name); other && other->isVisible()) {
                note(QStringLiteral("click %1").arg(QLatin1String(name)));
                ++m_calculations;
                QTest::mouseClick(other, Qt::LeftButton);
            }
        return;
    }
    note(QStringLiteral("calculate voltage drop"));
    ++m_calculations;
    // Random typing seldom leaves both boxes valid; an engineer mostly types numbers.
    if (chance(70)) {
        static const QStringList loads {"1", "20", "100", "600", "1,500", "40000", "12000"};
        static const QStringList lengths {"10", "60", "200", "500", "1,000", "0"};
        for (const auto& [name, values] :
            {std::pair {"txtLoad", &loads}, {"txtLength", &lengths}}) {
            auto* box = find<QLineEdit>(name);
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(box, (*values)[below(values->size())]);
        }
    }
    const bool fixedSize = find<QRadioButton>("VD_CALC(0)")->isChecked();
    QTest::mouseClick(button, Qt::LeftButton);
    if (!main())
        return;
    const QString shown = find<QTextEdit>("txtboxResults")->toPlainText();
    if (shown.contains(QStringLiteral("Effective Impedence")))
        m_resultComputed = true;
    m_voltageDropResults += !shown.isEmpty();
    m_fixedSizeResultShown = fixedSize && !shown.isEmpty();
}

void Monkey::useAbout()
{
    QWidget* about = testsupport::shownWindow(QStringLiteral("AboutRudu_Vovor"));
    if (!about) {
        note(QStringLiteral("open About"));
        const QList<QToolButton*> tools = usable<QToolButton>(find<QWidget>("Toolbar1"));
        if (!tools.isEmpty())
            QTest::mouseClick(tools.first(), Qt::LeftButton);
        else
            main()->showAbout();
        return;
    }
    note(QStringLiteral("close About"));
    if (chance(50))
        QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    else
        QTest::keyClick(about, Qt::Key_Escape);
}

void Monkey::useSheet()
{
    CalcSheet* sheet = m_windows.calcSheet();
    if (!sheet) {
        for (const char* name : {"btnCalc_Sheet", "cmdPrint"})
            if (auto* print = find<QPushButton>(name);
                print && print->isVisible() && print->isEnabled()) {
                note(QStringLiteral("print from %1").arg(QLatin1String(name)));
                QTest::mouseClick(print, Qt::LeftButton);
            }
        return;
    }
    switch (below(5)) {
    case 0:
        note(QStringLiteral("type on the sheet"));
        for (const QChar c : randomText())
            typeCharacter(sheet->document(), c);
        break;
    case 1: {
        note(QStringLiteral("select on the sheet"));
        QTextCursor cursor = sheet->document()->textCursor();
        cursor.setPosition(below(sheet->document()->document()->characterCount()));
        cursor.movePosition(QTextCursor::NextWord, QTextCursor::KeepAnchor, below(20));
        sheet->document()->setTextCursor(cursor);
        break;
    }
    case 2:
        note(QStringLiteral("print the sheet"));
        QTest::mouseClick(
            sheet->findChild<QPushButton*>(QStringLiteral("cmdPrint")), Qt::LeftButton);
        break;
    case 3:
        note(QStringLiteral("show Tavilon"));
        QTest::mouseClick(
            sheet->findChild<QPushButton*>(QStringLiteral("cmdRudu_Vovor")), Qt::LeftButton);
        break;
    default:
        note(QStringLiteral("close the sheet"));
        QTest::mouseClick(
            sheet->findChild<QPushButton*>(QStringLiteral("cmdExit")), Qt::LeftButton);
        break;
    }
}

bool Monkey::exitAndComeBack(QString* failure)
{
    note(QStringLiteral("exit and start again"));
    ++m_restarts;
    QTest::mouseClick(find<QPushButton>("cmdExit(1)"), Qt::LeftButton);
    if (!QTest::qWaitFor([this] { return !main(); })) {
        *failure = QStringLiteral("the main window stays after Exit");
        return false;
    }
    if (!start()) {
        *failure = QStringLiteral("the main window does not come up again");
        return false;
    }
    // A new window starts without a shown result; the program-wide settings stay.
    m_fixedSizeResultShown = false;
    return true;
}

void Monkey::answerPrintDialog()
{
    auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible())
        return;
    dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
    dialog->printer()->setOutputFileName(
        QStringLiteral("%1/sheet-%2.pdf").arg(m_pdfDirectory).arg(++m_prints % 3));
    dialog->done(chance(50) ? QDialog::Accepted : QDialog::Rejected);
}

bool Monkey::step(QString* failure)
{
    const int action = below(100);
    if (!main() || !main()->isVisible()) {
        *failure = QStringLiteral("the main window is gone");
        return false;
    }
    if (action < 30)
        clickAButton();
    else if (action < 62)
        typeIntoABox();
    else if (action < 74)
        chooseFromAList();
    else if (action < 84)
        changePage();
    else if (action < 91)
        calculate();
    else if (action < 94)
        useAbout();
    else if (action < 99)
        useSheet();
    else if (chance(30) && !exitAndComeBack(failure))
        return false;
    QCoreApplication::processEvents();
    return check(failure);
}

bool Monkey::check(QString* failure)
{
    if (!main()) {
        if (m_windows.calcSheet())
            return true; // the sheet keeps the program running; Show Tavilon brings it back
        *failure = QStringLiteral("the main window is gone");
        return false;
    }
    int documents = 0;
    for (int i = 0; i < 3; ++i)
        documents
            += !find<QWidget>(qPrintable(QStringLiteral("RichTextBox1(%1)").arg(i)))->isHidden();
    if (documents != 1) {
        *failure = QStringLiteral("%1 Design Data documents are visible").arg(documents);
        return false;
    }
    if (find<QPushButton>("btnCalc_Sheet")->isEnabled() != m_resultComputed) {
        *failure = QStringLiteral("btnCalc_Sheet enabled: %1, a result computed: %2")
                       .arg(find<QPushButton>("btnCalc_Sheet")->isEnabled())
                       .arg(m_resultComputed);
        return false;
    }
    const QString shown = find<QTextEdit>("txtboxResults")->toPlainText();
    if (shown.isEmpty())
        m_fixedSizeResultShown = false;
    if (m_fixedSizeResultShown) {
        for (int i = 0; i < 10; ++i)
            if (!find<QWidget>(qPrintable(QStringLiteral("rbVDResults(%1)").arg(i)))->isHidden()) {
                *failure
                    = QStringLiteral("history slot %1 shows beside a fixed-size result").arg(i);
                return false;
            }
    }
    for (; m_checkedMessages < m_messages.count(); ++m_checkedMessages) {
        const QString text = m_messages.messages()[m_checkedMessages].text;
        if (!kMessageTexts.contains(text) && !kMessagePatterns.match(text).hasMatch()) {
            *failure = QStringLiteral("unknown message: %1").arg(text);
            return false;
        }
        if (m_messages.messages()[m_checkedMessages].buttons != QList {QMessageBox::Ok}) {
            *failure = QStringLiteral("message without a single OK button: %1").arg(text);
            return false;
        }
    }
    return true;
}

} // namespace

class MonkeyTest : public QObject
{
    Q_OBJECT
private slots:
    void randomUse();
};

// The offscreen platform cannot raise windows or grab the keyboard, and says so each time.
QtMessageHandler platformHandler = nullptr;

void quietPlatformHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg
        && (message.startsWith(QLatin1String("This plugin does not support"))
            || message.contains(QLatin1String("OpenType support missing"))))
        return;
    platformHandler(type, context, message);
}

void MonkeyTest::randomUse()
{
    platformHandler = qInstallMessageHandler(quietPlatformHandler);
    const int actions = qEnvironmentVariableIsSet("TAVILON_MONKEY_ACTIONS")
        ? qEnvironmentVariableIntValue("TAVILON_MONKEY_ACTIONS")
        : 2000;
    const quint64 seed = qEnvironmentVariableIsSet("TAVILON_MONKEY_SEED")
        ? qgetenv("TAVILON_MONKEY_SEED").toULongLong()
        : 20261208;
    QTemporaryDir pdfs;
    Monkey monkey(seed, pdfs.path());
    QVERIFY(monkey.start());
    for (int i = 0; i < actions; ++i) {
        QString failure;
        if (!monkey.step(&failure))
            QFAIL(qPrintable(QStringLiteral("seed %1, action %2: %3\nlast actions:%4")
                                 .arg(seed)
                                 .arg(i)
                                 .arg(failure, monkey.recentActions())));
    }
    qInfo("%d actions with seed %llu: %s", actions, seed, qPrintable(monkey.summary()));
}

TAVILON_WIDGET_TEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
