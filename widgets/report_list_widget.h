#pragma once

#include "core/report_list.h"

#include <QTreeWidget>

// A report-style list view: column headers with widths and rows whose first cell has its own colour.
class ReportListWidget final : public QTreeWidget {
    Q_OBJECT
public:
    explicit ReportListWidget(QWidget* parent = nullptr);

    // Shows the list's columns and rows, changing only what differs.
    void render(const ReportList& list);
    // The rows shown, as texts (for readers and tests).
    QStringList rowTexts(int row) const;

signals:
    // A row was clicked, or reached from the keyboard: the arrow and paging keys pick the row they
    // move to, Space and Enter the current one.
    void rowClicked(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // The style marks no focus on a list, so the list draws a ring of the highlight colour inside its
    // frame while it has the focus.
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
