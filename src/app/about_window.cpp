#include "app/about_window.h"

#include "ui/accessibility.h"
#include "ui/twips.h"
#include "ui/widgets.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSvgWidget>
#include <QTextEdit>

namespace {

const char* const kOffers[] = {
    "Voltage Drop Calculator and Wire Sizing Program",
    "Calculate Conduit Sizing for Wire Fill ",
    "Short Circuit and fault Sizing Program",
    "Transformer and Component Sizing",
    "Formulas and data from NEC data tables",
};

QString offersHtml()
{
    QString items;
    for (const char* offer : kOffers)
        items += QStringLiteral("<li>%1</li>").arg(QString::fromUtf8(offer).toHtmlEscaped());
    return QStringLiteral("<p>A set of utilities for Electrical Designers and Engineers.</p>"
                          "<ul>%1</ul>")
        .arg(items);
}

} // namespace

AboutWindow::AboutWindow(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutRudu_Vovor"));
    setWindowTitle(QStringLiteral("Tavilon   -   Rudu Vovor"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setFixedSize(ui::twips(6900), ui::twips(4800));

    ui::place(ui::picture("picIcon", QStringLiteral(":/artwork/logo.svg"),
                  QStringLiteral("Tavilon logo"), this),
        240, 240, 1200, 1200);

    auto* offers = new QTextEdit(this);
    offers->setObjectName(QStringLiteral("RichTextBox1"));
    offers->setReadOnly(true);
    offers->setTabChangesFocus(true);
    offers->setFrameShape(QFrame::NoFrame);
    offers->viewport()->setAutoFillBackground(false);
    offers->setHtml(offersHtml());
    offers->setAccessibleName(QStringLiteral("What Tavilon offers"));
    ui::place(offers, 1680, 240, 4980, 2040);

    // An etched separator: a dark line with a light one below it.
    for (int i = 0; i < 2; ++i) {
        auto* line = new QFrame(this);
        line->setObjectName(QStringLiteral("Line1(%1)").arg(i));
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(i == 0 ? QFrame::Sunken : QFrame::Plain);
        line->setForegroundRole(i == 0 ? QPalette::Dark : QPalette::Light);
        line->setGeometry(ui::twips(240), ui::twips(2400) + i, ui::twips(6420), 1);
    }

    ui::place(ui::wrappingLabel("lblDisclaimer",
                  QStringLiteral("Warning: Tavilon is an aid to design, not a substitute for "
                                 "engineering judgment. The calculator pages use the tables "
                                 "they were designed with; Circuit Check follows the 2023 NEC. "
                                 "Check every result against the code in force. The makers of "
                                 "Tavilon assume no liability for any damage or loss arising "
                                 "from the use of this program."),
                  this, ui::kTopAlignment),
        240, 2520, 6420, 1320);
    // The version is the one configureApplication gives the application, from the build.
    ui::place(ui::wrappingLabel("Label1",
                  QStringLiteral("Tavilon version %1. Written by the Tavilon developers.")
                      .arg(QCoreApplication::applicationVersion()),
                  this, ui::kTopAlignment),
        240, 3960, 4920, 495);

    QPushButton* ok = ui::button("cmdOK", QStringLiteral("OK"), this);
    ok->setDefault(true);
    ok->setAutoDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
    ui::place(ok, 5400, 4200, 1260, 375);

    ui::setTabOrder({offers, ok});
}
