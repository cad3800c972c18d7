#pragma once

// The "Design Data" page: one of three read-only reference documents at a time, chosen
// with the buttons at the right.

#include "app/design_data_documents.h"

#include <QWidget>

#include <array>

class QTextEdit;

class DesignDataPage : public QWidget
{
    Q_OBJECT
public:
    explicit DesignDataPage(QWidget* parent = nullptr);

    void showDocument(DesignDocument document);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void typesetDocuments();

    std::array<QTextEdit*, 3> m_documents {};
    bool m_typeset = false;
};
