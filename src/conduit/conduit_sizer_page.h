#pragma once

// The "Conduit Sizer" page: ten groups of conductors and the conduit that holds them. Its
// controls are built by ConduitSizerForm; the page runs their handlers.

#include "conduit/conduit_fill.h"
#include "conduit/conduit_report.h"
#include "conduit/conduit_sizer_form.h"

#include <QWidget>

#include <array>

class ConduitSizerPage : public QWidget
{
    Q_OBJECT
public:
    explicit ConduitSizerPage(QWidget* parent = nullptr);

    // "Calculate Conduit Size": the group lines, the total, the diameter and the size.
    void calculateConduitSize();
    // "Reset Data": the inputs and the group lines return to their opening state; the
    // total, the diameter and the size keep the last result.
    void resetData();

    // What the page shows of its last result, for the results sheet.
    ConduitResultCaptions resultCaptions() const;

signals:
    // The Print button (cmdCondPrint) was pressed.
    void printRequested();

private:
    std::array<ConduitGroup, kConduitGroups> groups() const;
    void showResult(const ConduitFillResult& result);
    void refuseCount(int group);

    ConduitSizerForm m_ui;
};
