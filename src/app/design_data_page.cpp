#include "app/design_data_page.h"

#include "ui/accessibility.h"
#include "ui/twips.h"
#include "ui/widgets.h"

#include <QPushButton>
#include <QTextEdit>

DesignDataPage::DesignDataPage(QWidget* parent)
    : QWidget(parent)
{
    for (int i = 0; i < 3; ++i) {
        auto* document = new QTextEdit(this);
        document->setObjectName(QStringLiteral("RichTextBox1(%1)").arg(i));
        document->setReadOnly(true);
        document->setTabChangesFocus(true);
        ui::placeOnPage(document, 120, 480, 6600, 5760);
        m_documents[i] = document;
    }
    m_documents[0]->setAccessibleName(QStringLiteral("Transformer full-load currents"));
    m_documents[1]->setAccessibleName(QStringLiteral("Motor full-load currents"));
    m_documents[2]->setAccessibleName(QStringLiteral("Conductor ampacities"));

    struct Choice
    {
        const char* name;
        QString caption;
        DesignDocument document;
    };
    const Choice choices[] = {
        {"cmdTransfomers", QStringLiteral("Transfomers"), DesignDocument::Transformers},
        {"cmdMotors", QStringLiteral("Motors"), DesignDocument::Motors},
        {"cmdWires", QStringLiteral("Wire Ampacities"), DesignDocument::WireAmpacities},
    };
    // Tab goes from the document shown to the buttons beside it, top to bottom.
    QList<QWidget*> order(m_documents.begin(), m_documents.end());
    int top = 1320; // below the program logo at the top right
    for (const Choice& choice : choices) {
        QPushButton* button = ui::button(choice.name, choice.caption, this);
        ui::placeOnPage(button, 6900, top, 1680, 375);
        connect(button, &QPushButton::clicked, this,
            [this, document = choice.document] { showDocument(document); });
        order << button;
        top += 480;
    }
    ui::setTabOrder(order);
    showDocument(DesignDocument::WireAmpacities);
}

void DesignDataPage::showEvent(QShowEvent* event)
{
    typesetDocuments();
    QWidget::showEvent(event);
}

// Building the three ruled-table documents is one of the costliest steps of opening the
// main window, so it waits until the page is first shown.
void DesignDataPage::typesetDocuments()
{
    if (m_typeset)
        return;
    m_typeset = true;
    for (int i = 0; i < 3; ++i)
        m_documents[i]->setHtml(designDocumentHtml(static_cast<DesignDocument>(i)));
}

void DesignDataPage::showDocument(DesignDocument document)
{
    const int shown = static_cast<int>(document);
    for (int i = 0; i < 3; ++i)
        m_documents[i]->setVisible(i == shown);
}
