// The results of every test run in this session, newest last, with the messages of the one selected.
#pragma once

#include <QWidget>

#include <vector>

#include "TestRunRecord.h"

class QPlainTextEdit;
class QTreeWidget;

namespace corvo::hosts::gui {

class SessionResultsView : public QWidget {
    Q_OBJECT
public:
    explicit SessionResultsView(QWidget* parent = nullptr);

    // Appends the run as a row and selects it; earlier rows stay.
    void Add(TestRunRecord record);
    const std::vector<TestRunRecord>& Records() const { return m_records; }

    // "0.4 s", "12.0 s", "2 min 05 s".
    static QString DurationText(qint64 milliseconds);

private:
    void ShowDetails();

    QTreeWidget* m_table = nullptr;
    QPlainTextEdit* m_details = nullptr;
    std::vector<TestRunRecord> m_records;
};

} // namespace corvo::hosts::gui
